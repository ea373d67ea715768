#include "media/SdlMediaService.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <filesystem>

#include "media/ClockTrack.h"
#include "media/MediaProbe.h"
#include "media/SdlMidiTrack.h"
#include "media/SdlWaveTrack.h"
#include "media/VideoTrack.h"

namespace {

constexpr int kChannels = 16;

// The small General MIDI bank the music was written for; any installed
// default bank is the fallback.
std::string soundFont() {
    for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"})
        if (std::filesystem::exists(path)) return path;
    return {};
}

}  // namespace

SdlMediaService::SdlMediaService(Scheduler& loop) : loop_(loop) {
    subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!subsystem_ || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) return;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&sampleRate_, &format, &channels);
    if (format != AUDIO_S16SYS || channels != 2) {
        Mix_CloseAudio();
        return;
    }
    audio_ = true;
    Mix_AllocateChannels(kChannels);
    Mix_HookMusic(&SdlMediaService::mixMusic, this);
}

SdlMediaService::~SdlMediaService() {
    if (audio_) Mix_HookMusic(nullptr, nullptr);
    closeAll();
    if (audio_) Mix_CloseAudio();
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
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

// Each wave file keeps a mixer channel of its own.
MediaService::Result SdlMediaService::openWave(const std::string& fileName, std::unique_ptr<MediaTrack>& track) {
    if (nextChannel_ == kChannels) return media_error::kNoSoundDevice;
    Mix_Chunk* chunk = Mix_LoadWAV(fileName.c_str());
    if (!chunk) return media_error::kDamagedFile;
    track = std::make_unique<SdlWaveTrack>(chunk, nextChannel_++);
    return media_error::kNone;
}

// The probe has measured the piece already; it ends after as many frames at
// the device's rate.
std::unique_ptr<MediaTrack> SdlMediaService::openMidi(const std::string& fileName, std::uint64_t length) {
    auto sequence = std::make_unique<MidiSequence>(fileName, sampleRate_, soundFont());
    std::uint64_t frames = length * static_cast<std::uint64_t>(sampleRate_) / 1000;
    auto track = std::make_unique<SdlMidiTrack>(std::move(sequence), frames, sampleRate_, mutex_,
                                                [this](SdlMidiTrack* closing) { forget(closing); });
    std::lock_guard guard(mutex_);
    midi_.push_back(track.get());
    return track;
}

void SdlMediaService::forget(SdlMidiTrack* track) {
    std::lock_guard guard(mutex_);
    midi_.erase(std::remove(midi_.begin(), midi_.end(), track), midi_.end());
}

void SdlMediaService::mixMusic(void* self, std::uint8_t* stream, int bytes) {
    auto& service = *static_cast<SdlMediaService*>(self);
    std::lock_guard guard(service.mutex_);
    for (SdlMidiTrack* track : service.midi_) track->mixInto(reinterpret_cast<std::int16_t*>(stream), bytes / 4);
}
