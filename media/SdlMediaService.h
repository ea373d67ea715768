#pragma once
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "frame/Scheduler.h"
#include "frame/StageLog.h"
#include "media/MediaFacts.h"
#include "media/TrackMediaService.h"

class MidiDeck;
class SdlAudioDevice;

// The multimedia service on the sound card: wave files play as mixer
// chunks, each on a channel of its own; MIDI pieces take turns on one
// synthesizer that renders into the mixer's music stream; videos draw into
// their window on the event loop. The device sleeps while nothing sounds.
// Without a sound device files still open, and play requests for sounds
// fail quietly; so too once the device has been abandoned, which
// `soundAbandoned` is told (see SdlAudioDevice). Every track goes with the
// service, which must go before `loop`.
//
// Nothing slow is waited for at start-up: the synthesizer and its sound bank
// load on a thread of their own once the first screen is shown (until
// firstScreenShown no music sounds), and a piece played before they are
// there starts on them as they arrive; a video is measured
// by its header and its decoding process (VideoProcess) is started on a
// thread of its own (LateVideo).
// `stages`, when given, hears when each of them is ready.
class SdlMediaService : public TrackMediaService {
public:
    explicit SdlMediaService(Scheduler& loop, std::function<void()> soundAbandoned = {}, StageLog* stages = nullptr);
    ~SdlMediaService() override;

    // Whether a sound device opened and has not been abandoned since;
    // without one the game plays silently.
    bool hasSound() const;

    // Wakes the device for the request.
    Result play(Device device) override;
    // Starts loading the synthesizer and its sound bank.
    void firstScreenShown() override;

protected:
    Result openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) override;

private:
    bool openDevice();
    Result openWave(const std::string& fileName, std::unique_ptr<MediaTrack>& track);
    std::unique_ptr<MediaTrack> openMidi(const std::string& fileName, std::uint64_t length);
    std::unique_ptr<MediaTrack> openVideo(const std::string& fileName, MediaFacts facts);
    bool musicSilent();
    static void mixMusic(void* self, std::uint8_t* stream, int bytes);

    Scheduler& loop_;
    bool audio_ = false;
    int nextChannel_ = 0;
    // The MIDI pieces' turns, which the audio thread mixes, and the lock
    // both threads take.
    std::unique_ptr<MidiDeck> deck_;
    std::mutex mutex_;
    std::unique_ptr<SdlAudioDevice> device_;
    StageLog quiet_;
    StageLog& stages_;
    bool firstNote_ = false;  // for the audio thread only
    std::thread synthLoader_;
};
