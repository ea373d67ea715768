#pragma once
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

// The device's first mixing after it opens, as the mixer's music hook: it
// sets the mixer up and makes the request that woke the device there, on
// the sound thread under the mixer's lock, so that a sound it starts is in
// that very buffer. SDL starts the device's thread inside the opening, so
// nothing made after the opening returns can be sure of the first buffer.
//
// The set-up uses what the opener holds, so it runs only while the opener
// waits for it: an opener that has given up leaves the mixer only silence.
class FirstMix {
public:
    // `setUp` sets the mixer up and mixes the music into the buffer it is
    // given; it replaces this hook with the lasting one.
    using SetUp = std::function<void(std::uint8_t* stream, int bytes)>;
    explicit FirstMix(SetUp setUp) : setUp_(std::move(setUp)) {}

    // The mixer's music hook, with this as its data.
    static void mix(void* self, std::uint8_t* stream, int bytes);
    // On the opening's thread: waits for the first mixing.
    void await();
    // For the opener: false when the set-up has begun, and must be waited
    // for; otherwise it never runs.
    bool giveUp();

private:
    SetUp setUp_;
    std::mutex mutex_;
    std::condition_variable mixed_;
    bool begun_ = false;
    bool givenUp_ = false;
};
