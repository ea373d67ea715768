#pragma once
#include <mutex>
#include <vector>

#include "frame/Scheduler.h"
#include "media/TrackMediaService.h"

class SdlMidiTrack;

// The multimedia service on the sound card: wave files play as mixer
// chunks, each on a channel of its own; MIDI pieces are synthesized on the
// fly into the mixer's music stream, so several can sound at once; videos
// draw into their window on the event loop. Without a sound device files
// still open, and play requests for sounds fail quietly. Every track goes
// with the service, which must go before `loop`.
class SdlMediaService : public TrackMediaService {
public:
    explicit SdlMediaService(Scheduler& loop);
    ~SdlMediaService() override;

    // Whether a sound device is open; without one the game plays silently.
    bool hasSound() const { return audio_; }

protected:
    Result openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) override;

private:
    bool openDevice();
    Result openWave(const std::string& fileName, std::unique_ptr<MediaTrack>& track);
    std::unique_ptr<MediaTrack> openMidi(const std::string& fileName, std::uint64_t length);
    void forget(SdlMidiTrack* track);
    static void mixMusic(void* self, std::uint8_t* stream, int bytes);

    Scheduler& loop_;
    bool subsystem_ = false;
    bool audio_ = false;
    int sampleRate_ = 44100;
    int nextChannel_ = 0;
    // The MIDI tracks the audio thread renders, and the lock it takes.
    std::vector<SdlMidiTrack*> midi_;
    std::mutex mutex_;
};
