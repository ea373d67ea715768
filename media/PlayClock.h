#pragma once
#include <algorithm>
#include <cstdint>

// Where a clip of known length stands on a millisecond clock: it advances
// while running and holds at the clip's end, so a clip that has played out
// reports a position equal to its length.
class PlayClock {
public:
    explicit PlayClock(std::uint64_t length) : length_(length) {}

    std::uint64_t length() const { return length_; }
    std::uint64_t position(std::uint64_t now) const {
        return running_ ? std::min(length_, base_ + (now - since_)) : base_;
    }
    bool playing(std::uint64_t now) const { return running_ && position(now) < length_; }

    void run(std::uint64_t now) {
        if (running_) return;
        since_ = now;
        running_ = true;
    }
    void halt(std::uint64_t now) {
        base_ = position(now);
        running_ = false;
    }
    // Back to the start, halted.
    void rewind() {
        base_ = 0;
        running_ = false;
    }

private:
    std::uint64_t length_;
    std::uint64_t base_ = 0;
    std::uint64_t since_ = 0;
    bool running_ = false;
};
