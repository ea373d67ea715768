#pragma once
#include <mutex>

#include "media/MediaTrack.h"
#include "media/MidiSequence.h"

class MidiDeck;

// A MIDI piece synthesized while it plays. The deck gives it its turns on
// the synthesizer and counts its frames on the audio thread; the UI thread
// plays, stops and rewinds it; both under one lock. A stopped piece starts
// again at the tick it had reached.
class SdlMidiTrack : public MediaTrack {
public:
    SdlMidiTrack(const std::string& fileName, std::uint64_t lengthFrames, MidiDeck& deck, std::mutex& lock);
    ~SdlMidiTrack() override;

    std::uint64_t length() const override;
    std::uint64_t position() override;
    bool playing() override;
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;

    // For the deck, which holds the lock: its turn begins on the deck's
    // synthesizer, its frames go by, its sequence halts (its turn is over,
    // whatever sounds fades).
    void start();
    std::uint64_t framesLeft() const { return lengthFrames_ - frames_; }
    void advance(int frames) { frames_ += static_cast<std::uint64_t>(frames); }
    void halt() { tick_ = sequence_.halt(); }

private:
    // The piece ends at its measured length, which cuts only a fading tail,
    // so that a played-out piece stands exactly at its length.
    bool ended() const { return frames_ >= lengthFrames_; }

    MidiDeck& deck_;
    MidiSequence sequence_;
    std::uint64_t lengthFrames_;
    std::mutex& lock_;
    std::uint64_t frames_ = 0;
    int tick_ = 0;
    bool running_ = false;
};
