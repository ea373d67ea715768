#include "media/SdlWaveTrack.h"

#include <SDL_mixer.h>

#include <chrono>

#include "media/MediaProbe.h"
#include "media/SdlAudioDevice.h"

namespace {

std::uint64_t chunkLength(const Mix_Chunk* chunk) {
    int rate = 0;
    int channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    std::uint64_t frameSize = SDL_AUDIO_BITSIZE(format) / 8 * static_cast<std::uint64_t>(channels);
    return framesToMilliseconds(chunk->alen / frameSize, rate);
}

}  // namespace

std::uint64_t steadyMilliseconds() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

SdlWaveTrack::SdlWaveTrack(Mix_Chunk* chunk, int channel, const SdlAudioDevice& device)
    : chunk_(chunk), channel_(channel), device_(device), clock_(chunkLength(chunk)) {}

// An abandoned device may yet finish opening or closing on its thread, which
// makes or frees the mixer's channels that freeing a chunk looks through:
// the chunk then stays until the process ends.
SdlWaveTrack::~SdlWaveTrack() {
    if (device_.awake()) Mix_HaltChannel(channel_);
    if (!device_.abandoned()) Mix_FreeChunk(chunk_);
}

std::uint64_t SdlWaveTrack::position() { return clock_.position(steadyMilliseconds()); }

bool SdlWaveTrack::playing() { return clock_.playing(steadyMilliseconds()); }

MediaService::Result SdlWaveTrack::rewind() {
    if (device_.awake()) Mix_HaltChannel(channel_);
    clock_.rewind();
    return media_error::kNone;
}

MediaService::Result SdlWaveTrack::play() {
    if (position() == length()) return media_error::kNone;
    if (Mix_Paused(channel_)) Mix_Resume(channel_);
    else if (!Mix_Playing(channel_) && Mix_PlayChannel(channel_, chunk_, 0) < 0) return media_error::kNoSoundDevice;
    clock_.run(steadyMilliseconds());
    return media_error::kNone;
}

MediaService::Result SdlWaveTrack::stop() {
    if (device_.awake()) Mix_Pause(channel_);
    clock_.halt(steadyMilliseconds());
    return media_error::kNone;
}
