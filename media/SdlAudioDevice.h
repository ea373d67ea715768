#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "frame/Scheduler.h"

// The sound card as SDL_mixer opens it: 16-bit stereo at the game's rate,
// the wave channels and the music hook. Once nothing has sounded for a few
// seconds it closes, so that silence costs no CPU, and the next play
// request opens it again at the same rate.
//
// Every opening and closing runs on a thread of its own and is waited for a
// bounded time: a driver that does not answer (a sound server that hangs, a
// device that takes no more sound) is abandoned on that thread and the game
// goes on silently. The abandoned call may stay inside SDL for good, so from
// then on nothing calls into SDL's sound, not even to close it, and the
// program is told, once, that it must end without closing SDL.
class SdlAudioDevice : public TimerQueue::Client {
public:
    static constexpr int kChannels = 16;

    using Hook = void (*)(void* data, std::uint8_t* stream, int bytes);
    // `musicSilent` tells whether the music hook has nothing to play; the
    // wave channels the device asks the mixer itself.
    SdlAudioDevice(Scheduler& loop, Hook music, void* data, std::function<bool()> musicSilent,
                   std::function<void()> abandoned);
    // Closes the device and SDL's sound subsystem.
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    // The first opening, with SDL's sound subsystem on the driver SDL is
    // asked for; false when there is no device fit for the game, or when it
    // did not answer in time.
    bool open();
    int sampleRate() const { return sampleRate_; }
    bool awake() const { return awake_; }
    bool abandoned() const { return abandoned_; }
    // Makes a play request on a device that is awake, or that wakes for it:
    // one that has gone to sleep opens again and the request is made in its
    // first mixing, on the sound thread while this waits, so that what it
    // starts is in the first buffer. False, and no request made, when the
    // device does not open or has been abandoned.
    bool wake(const std::function<void()>& request = [] {});

    void tick() override;

private:
    // After an opening on a thread of its own: its answer, the device's
    // rate, 0 when it did not open, nothing when it did not answer in time.
    bool started(std::optional<int> rate);
    void setUpMixer();
    void sleep();
    void close(bool subsystem);
    void abandon();

    Scheduler& loop_;
    Hook music_;
    void* data_;
    std::function<bool()> musicSilent_;
    std::function<void()> abandonedNotice_;
    int sampleRate_ = 44100;
    bool opened_ = false;
    bool awake_ = false;
    bool abandoned_ = false;
    int silentChecks_ = 0;
};
