#include "media/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int kBufferFrames = 1024;
constexpr std::uint32_t kCheckMs = 1000;
// Three checks in a row that find silence: the device sleeps after 3 to 4 s.
constexpr int kChecksBeforeSleep = 3;

}  // namespace

SdlAudioDevice::SdlAudioDevice(Scheduler& loop, Hook music, void* data, std::function<bool()> musicSilent)
    : loop_(loop), music_(music), data_(data), musicSilent_(std::move(musicSilent)) {}

SdlAudioDevice::~SdlAudioDevice() {
    loop_.stop(*this);
    if (awake_) Mix_CloseAudio();
}

// Any rate the device prefers; the game's sample format and stereo only.
bool SdlAudioDevice::open() {
    if (!start(SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE)) return false;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&sampleRate_, &format, &channels);
    if (format == AUDIO_S16SYS && channels == 2) return true;
    Mix_CloseAudio();
    awake_ = false;
    return false;
}

// Waking, SDL converts to whatever the device has now, so that the decoded
// waves and the synthesizer keep their rate.
bool SdlAudioDevice::wake() {
    silentChecks_ = 0;
    return awake_ || start(0);
}

bool SdlAudioDevice::start(int allowedChanges) {
    if (Mix_OpenAudioDevice(sampleRate_, AUDIO_S16SYS, 2, kBufferFrames, nullptr, allowedChanges) != 0) return false;
    awake_ = true;
    Mix_AllocateChannels(kChannels);
    Mix_HookMusic(music_, data_);
    // With no timer left for the silence checks the device simply stays
    // awake: that costs CPU, never sound.
    (void)loop_.start(*this, kCheckMs);
    return true;
}

// A paused wave keeps its place on its channel, which closing would lose:
// the mixer counts it as playing.
void SdlAudioDevice::tick() {
    bool silent = musicSilent_() && Mix_Playing(-1) == 0;
    silentChecks_ = silent ? silentChecks_ + 1 : 0;
    if (silentChecks_ >= kChecksBeforeSleep) sleep();
}

void SdlAudioDevice::sleep() {
    loop_.stop(*this);
    Mix_CloseAudio();
    awake_ = false;
    silentChecks_ = 0;
}
