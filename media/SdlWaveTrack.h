#pragma once
#include "media/MediaTrack.h"
#include "media/PlayClock.h"

struct Mix_Chunk;
class SdlAudioDevice;

// A wave file decoded into a mixer chunk, playing on a channel of its own:
// stopping pauses the channel, so playing again continues where it stood.
// While the device sleeps no channel plays, and the mixer's channels are not
// there to ask.
class SdlWaveTrack : public MediaTrack {
public:
    SdlWaveTrack(Mix_Chunk* chunk, int channel, const SdlAudioDevice& device);
    ~SdlWaveTrack() override;

    std::uint64_t length() const override { return clock_.length(); }
    std::uint64_t position() override;
    bool playing() override;
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;

private:
    Mix_Chunk* chunk_;
    int channel_;
    const SdlAudioDevice& device_;
    PlayClock clock_;
};

// Milliseconds of the steady clock, which the sound tracks keep time by.
std::uint64_t steadyMilliseconds();
