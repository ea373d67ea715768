#include "media/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <memory>
#include <utility>

#include "media/BoundedCall.h"
#include "media/FirstMix.h"

namespace {

constexpr int kBufferFrames = 1024;
constexpr std::uint32_t kCheckMs = 1000;
// Three checks in a row that find silence: the device sleeps after 3 to 4 s.
constexpr int kChecksBeforeSleep = 3;
// A sound server takes some tens of milliseconds to open a stream; one that
// takes seconds is not coming. A device closes within two buffers.
constexpr std::chrono::milliseconds kOpenLimit{3000};
constexpr std::chrono::milliseconds kCloseLimit{500};

// As callWithin, for a call into SDL: SDL's data for the thread (its error
// text) goes with the thread, which is not one of SDL's own.
template <class Call, class MayGiveUp>
auto callSdlWithin(std::chrono::milliseconds limit, Call call, MayGiveUp mayGiveUp) {
    return callWithin(
        limit,
        [call = std::move(call)] {
            auto result = call();
            SDL_TLSCleanup();
            return result;
        },
        std::move(mayGiveUp));
}

int openMixer(int rate, int allowedChanges) {
    return Mix_OpenAudioDevice(rate, AUDIO_S16SYS, 2, kBufferFrames, nullptr, allowedChanges);
}

// The first opening, on its own thread: SDL's sound on the driver asked for,
// at any rate the device prefers, in the game's sample format and stereo
// only. The device's rate, or 0 when none fit for the game opens.
int openFitDevice(int preferredRate) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (openMixer(preferredRate, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) == 0) {
        int rate = 0;
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        if (format == AUDIO_S16SYS && channels == 2) return rate;
        Mix_CloseAudio();
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
}

}  // namespace

SdlAudioDevice::SdlAudioDevice(Scheduler& loop, Hook music, void* data, std::function<bool()> musicSilent,
                               std::function<void()> abandoned)
    : loop_(loop),
      music_(music),
      data_(data),
      musicSilent_(std::move(musicSilent)),
      abandonedNotice_(std::move(abandoned)) {}

SdlAudioDevice::~SdlAudioDevice() {
    loop_.stop(*this);
    if (opened_ && !abandoned_) close(true);
}

// Nothing waits for this opening's first buffers: the mixer is set up
// here, once the device has answered.
bool SdlAudioDevice::open() {
    auto opening = [preferred = sampleRate_] { return openFitDevice(preferred); };
    if (!started(callSdlWithin(kOpenLimit, opening, [] { return true; }))) return false;
    setUpMixer();
    return true;
}

// Waking, SDL converts to whatever the device has now, so that the decoded
// waves and the synthesizer keep their rate. The mixer is set up, and the
// request made, in the device's first mixing (FirstMix), while this waits.
bool SdlAudioDevice::wake(const std::function<void()>& request) {
    silentChecks_ = 0;
    if (awake_) {
        request();
        return true;
    }
    if (!opened_ || abandoned_) return false;
    auto first = std::make_shared<FirstMix>([this, &request](std::uint8_t* stream, int bytes) {
        setUpMixer();
        request();
        music_(data_, stream, bytes);
    });
    auto opening = [rate = sampleRate_, first] {
        Mix_HookMusic(&FirstMix::mix, first.get());
        if (openMixer(rate, 0) != 0) {
            Mix_HookMusic(nullptr, nullptr);
            return 0;
        }
        first->await();
        return rate;
    };
    return started(callSdlWithin(kOpenLimit, opening, [&first] { return first->giveUp(); }));
}

bool SdlAudioDevice::started(std::optional<int> rate) {
    if (!rate) abandon();
    if (rate.value_or(0) == 0) return false;
    sampleRate_ = *rate;
    opened_ = awake_ = true;
    // With no timer left for the silence checks the device simply stays
    // awake: that costs CPU, never sound.
    (void)loop_.start(*this, kCheckMs);
    return true;
}

void SdlAudioDevice::setUpMixer() {
    Mix_AllocateChannels(kChannels);
    Mix_HookMusic(music_, data_);
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
    silentChecks_ = 0;
    close(false);
}

// The mixer, when awake, then SDL's sound when the device goes for good.
// The music hook goes first, here: a closing that is abandoned may leave the
// mixer running, and the mixer keeps the hook into its next opening, which
// runs before the hook is set again. Nothing that reaches the hook then is
// lost: the device sleeps only in silence, and goes once every piece has
// stopped.
void SdlAudioDevice::close(bool subsystem) {
    bool mixer = std::exchange(awake_, false);
    if (mixer) Mix_HookMusic(nullptr, nullptr);
    auto closing = [mixer, subsystem] {
        if (mixer) Mix_CloseAudio();
        if (subsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return true;
    };
    if (!callSdlWithin(kCloseLimit, closing, [] { return true; })) abandon();
}

void SdlAudioDevice::abandon() {
    awake_ = false;
    abandoned_ = true;
    if (abandonedNotice_) abandonedNotice_();
}
