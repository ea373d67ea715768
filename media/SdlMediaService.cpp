#include "media/SdlMediaService.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>

#include "media/ClockTrack.h"
#include "media/MediaProbe.h"
#include "media/MidiDeck.h"
#include "media/SdlAudioDevice.h"
#include "media/SdlMidiTrack.h"
#include "media/SdlWaveTrack.h"
#include "media/VideoTrack.h"

namespace {

// The small General MIDI bank the music was written for; any installed
// default bank is the fallback.
std::string soundFont() {
    for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"})
        if (std::filesystem::exists(path)) return path;
    return {};
}

}  // namespace

SdlMediaService::SdlMediaService(Scheduler& loop) : loop_(loop) {
    device_ =
        std::make_unique<SdlAudioDevice>(loop, &SdlMediaService::mixMusic, this, [this] { return musicSilent(); });
    subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    audio_ = subsystem_ && device_->open();
}

SdlMediaService::~SdlMediaService() {
    closeAll();
    device_.reset();
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

MediaService::Result SdlMediaService::play(Device device) {
    if (audio_ && !device_->wake()) return media_error::kNoSoundDevice;
    return TrackMediaService::play(device);
}

MediaService::Result SdlMediaService::openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) {
    MediaFacts facts = probeMedia(fileName);
    if (facts.error) return facts.error;
    if (!audio_ && facts.kind != MediaKind::Video) {
        track = std::make_unique<ClockTrack>(facts.length, steadyMilliseconds, media_error::kNoSoundDevice);
        return media_error::kNone;
    }
    switch (facts.kind) {
    case MediaKind::Wave: return openWave(fileName, track);
    case MediaKind::Midi: track = openMidi(fileName, facts.length); return media_error::kNone;
    case MediaKind::Video:
        track = openVideoTrack(fileName, facts.length, loop_);
        return track ? media_error::kNone : media_error::kDamagedFile;
    }
    return media_error::kUnsupportedType;
}

// Each wave file keeps a mixer channel of its own; the mixer decodes it
// for the device, which must be awake for that.
MediaService::Result SdlMediaService::openWave(const std::string& fileName, std::unique_ptr<MediaTrack>& track) {
    if (nextChannel_ == SdlAudioDevice::kChannels || !device_->wake()) return media_error::kNoSoundDevice;
    Mix_Chunk* chunk = Mix_LoadWAV(fileName.c_str());
    if (!chunk) return media_error::kDamagedFile;
    track = std::make_unique<SdlWaveTrack>(chunk, nextChannel_++, *device_);
    return media_error::kNone;
}

// The probe has measured the piece already; it ends after as many frames at
// the device's rate. The one synthesizer and its sound bank are made for
// the first piece.
std::unique_ptr<MediaTrack> SdlMediaService::openMidi(const std::string& fileName, std::uint64_t length) {
    std::lock_guard guard(mutex_);
    int rate = device_->sampleRate();
    if (!deck_) deck_ = std::make_unique<MidiDeck>(rate, soundFont());
    std::uint64_t frames = length * static_cast<std::uint64_t>(rate) / 1000;
    return std::make_unique<SdlMidiTrack>(fileName, frames, *deck_, mutex_);
}

bool SdlMediaService::musicSilent() {
    std::lock_guard guard(mutex_);
    return !deck_ || deck_->idle();
}

// The mixer hands over silence and adds the wave channels afterwards.
void SdlMediaService::mixMusic(void* self, std::uint8_t* stream, int bytes) {
    auto& service = *static_cast<SdlMediaService*>(self);
    std::lock_guard guard(service.mutex_);
    if (service.deck_) service.deck_->mix(reinterpret_cast<std::int16_t*>(stream), bytes / 4);
}
