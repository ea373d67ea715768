#include "media/SdlMediaService.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/FileAccess.h"
#include "media/BlankVideo.h"
#include "media/ClockTrack.h"
#include "media/LateVideo.h"
#include "media/LoaderPriority.h"
#include "media/MediaProbe.h"
#include "media/MidiDeck.h"
#include "media/SdlAudioDevice.h"
#include "media/SdlMidiTrack.h"
#include "media/SdlWaveTrack.h"
#include "media/SoundBank.h"
#include "media/VideoProcess.h"
#include "media/VideoTrack.h"

namespace {

bool isSocket(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_socket(path, error);
}

// The sound back ends worth trying, in SDL's names. A sound server is tried
// only when its socket is there: asking for an absent one makes its client
// library try to start it and leave files in the user's home
// (~/.config/pulse). The sound card is tried only when there is one.
std::vector<std::string> soundDrivers() {
    std::vector<std::string> drivers;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string run = runtime && *runtime ? runtime : "/run/user/" + std::to_string(::getuid());
    const char* pulse = std::getenv("PULSE_SERVER");
    if ((pulse && *pulse) || isSocket(run + "/pulse/native") || isSocket("/run/pulse/native"))
        drivers.push_back("pulseaudio");
    const char* remote = std::getenv("PIPEWIRE_REMOTE");
    if (isSocket(run + "/" + (remote && *remote ? remote : "pipewire-0"))) drivers.push_back("pipewire");
    std::error_code error;
    if (std::filesystem::is_directory("/dev/snd", error)) drivers.push_back("alsa");
    return drivers;
}

// The sound-card library writes its errors (a card that is not there) to
// standard error itself; SDL loads it, and it is told to keep them. The
// handler type is alsa-lib's snd_lib_error_handler_t.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

void quietSoundCardLibrary() {
    static const bool done = [] {
        void* alsa = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
        if (!alsa) alsa = ::dlopen("libasound.so.2", RTLD_NOW);
        if (!alsa) return false;
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        auto setHandler = reinterpret_cast<int (*)(Handler)>(::dlsym(alsa, "snd_lib_error_set_handler"));
        if (setHandler) setHandler(quietAlsa);
        return true;  // the library stays loaded, for SDL to use
    }();
    (void)done;
}

}  // namespace

SdlMediaService::SdlMediaService(Scheduler& loop, std::function<void()> soundAbandoned, StageLog* stages)
    : loop_(loop), stages_(stages ? *stages : quiet_) {
    device_ = std::make_unique<SdlAudioDevice>(
        loop, &SdlMediaService::mixMusic, this, [this] { return musicSilent(); }, std::move(soundAbandoned));
    // A driver the user names is the only one tried; otherwise the sound
    // servers whose sockets are there, then the sound card. The one that
    // opens stays the subsystem's driver when the device wakes again. After
    // an abandoned opening no other is tried, and the hint stays for the
    // opening that may still read it.
    const char* named = SDL_getenv("SDL_AUDIODRIVER");
    std::vector<std::string> drivers = named && *named ? std::vector<std::string>{{}} : soundDrivers();
    for (const std::string& driver : drivers) {
        if (!driver.empty()) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver.c_str());
        if (openDevice() || device_->abandoned()) break;
    }
    if (!device_->abandoned()) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    stages_.mark("sound device open");
    if (audio_) deck_ = std::make_unique<MidiDeck>(device_->sampleRate());
}

// The one synthesizer, for every piece, with its sound bank. Loaded beside
// the screens being made, it took the window's thread a share of the
// machine: the first window came 1.5 to 4 ms later.
void SdlMediaService::firstScreenShown() {
    if (!deck_ || synthLoader_.joinable()) return;
    synthLoader_ = std::thread([this, sampleRate = deck_->sampleRate()] {
        lowerLoaderPriority();
        loadOnThisThreadOnly();
        auto synth = std::make_unique<MidiSynth>(sampleRate, firstSoundBank(soundBankCandidates(programFolder())));
        std::lock_guard guard(mutex_);
        deck_->attach(std::move(synth));
        stages_.mark("synthesizer ready");
    });
}

bool SdlMediaService::openDevice() {
    quietSoundCardLibrary();
    audio_ = device_->open();
    return audio_;
}

SdlMediaService::~SdlMediaService() {
    if (synthLoader_.joinable()) synthLoader_.join();
    closeAll();
    device_.reset();
}

bool SdlMediaService::hasSound() const { return audio_ && !device_->abandoned(); }

// A device asleep opens again with a sound's request made in its first
// mixing, on the sound thread, so that the sound is in its first buffer.
// Asleep, nothing sounds or waits, so no piece is superseded there and no
// notice goes out from that thread. A video, which may load its decoder,
// plays here once the device is awake.
MediaService::Result SdlMediaService::play(Device device) {
    if (!audio_) return TrackMediaService::play(device);
    Result result = media_error::kNoSoundDevice;
    auto request = [&] { result = TrackMediaService::play(device); };
    if (!hasVideo(device)) device_->wake(request);
    else if (device_->wake()) request();
    return result;
}

MediaService::Result SdlMediaService::openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) {
    MediaFacts facts = probeMedia(fileName, kSoundCardReader);
    if (facts.error) return facts.error;
    if (!hasSound() && facts.kind != MediaKind::Video) {
        track = std::make_unique<ClockTrack>(facts.length, steadyMilliseconds, media_error::kNoSoundDevice);
        return media_error::kNone;
    }
    switch (facts.kind) {
    case MediaKind::Wave: return openWave(fileName, track);
    case MediaKind::Midi: track = openMidi(fileName, facts.length); return media_error::kNone;
    case MediaKind::Video: track = openVideo(fileName, std::move(facts)); return media_error::kNone;
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
// the synthesizer's rate.
std::unique_ptr<MediaTrack> SdlMediaService::openMidi(const std::string& fileName, std::uint64_t length) {
    std::lock_guard guard(mutex_);
    std::uint64_t frames = length * static_cast<std::uint64_t>(deck_->sampleRate()) / 1000;
    return std::make_unique<SdlMidiTrack>(fileName, frames, *deck_, mutex_);
}

// The header has measured the video; its decoder comes later.
std::unique_ptr<MediaTrack> SdlMediaService::openVideo(const std::string& fileName, MediaFacts facts) {
    auto open = [fileName, &stages = stages_] {
        lowerLoaderPriority();
        std::unique_ptr<VideoSource> decoder = VideoProcess::open(fileName);
        stages.mark("video decoder open");
        return decoder;
    };
    auto video = std::make_unique<LateVideo>(std::move(facts.video), open);
    return std::make_unique<VideoTrack>(std::move(video), fileName, facts.length, loop_, VideoProcess::open);
}

bool SdlMediaService::musicSilent() {
    std::lock_guard guard(mutex_);
    return !deck_ || deck_->idle();
}

// The mixer hands over silence and adds the wave channels afterwards.
void SdlMediaService::mixMusic(void* self, std::uint8_t* stream, int bytes) {
    auto& service = *static_cast<SdlMediaService*>(self);
    std::lock_guard guard(service.mutex_);
    if (!service.deck_) return;
    service.deck_->mix(reinterpret_cast<std::int16_t*>(stream), bytes / 4);
    if (!service.firstNote_ && service.deck_->ready() && !service.deck_->idle()) {
        service.firstNote_ = true;
        service.stages_.mark("first music mixed");
    }
}
