#pragma once
#include <cstdint>
#include <functional>

#include "frame/Scheduler.h"

// The sound card as SDL_mixer opens it: 16-bit stereo at the game's rate,
// the wave channels and the music hook. Once nothing has sounded for a few
// seconds it closes, so that silence costs no CPU, and the next play
// request opens it again at the same rate.
class SdlAudioDevice : public TimerQueue::Client {
public:
    static constexpr int kChannels = 16;

    using Hook = void (*)(void* data, std::uint8_t* stream, int bytes);
    // `musicSilent` tells whether the music hook has nothing to play; the
    // wave channels the device asks the mixer itself.
    SdlAudioDevice(Scheduler& loop, Hook music, void* data, std::function<bool()> musicSilent);
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    // The first opening; false when there is no device fit for the game.
    bool open();
    int sampleRate() const { return sampleRate_; }
    bool awake() const { return awake_; }
    // Before a play request: opens a device that has gone to sleep.
    bool wake();

    void tick() override;

private:
    bool start(int allowedChanges);
    void sleep();

    Scheduler& loop_;
    Hook music_;
    void* data_;
    std::function<bool()> musicSilent_;
    int sampleRate_ = 44100;
    bool awake_ = false;
    int silentChecks_ = 0;
};
