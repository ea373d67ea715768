#pragma once
#include <functional>
#include <memory>
#include <mutex>

#include "media/MediaTrack.h"
#include "media/MidiSequence.h"

// A MIDI piece synthesized while it plays: the audio thread asks it for
// frames, the UI thread plays, stops and rewinds it, both under one lock.
class SdlMidiTrack : public MediaTrack {
public:
    SdlMidiTrack(std::unique_ptr<MidiSequence> sequence, std::uint64_t lengthFrames, int sampleRate, std::mutex& lock,
                 std::function<void(SdlMidiTrack*)> onClose);
    ~SdlMidiTrack() override;

    std::uint64_t length() const override;
    std::uint64_t position() override;
    bool playing() override;
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;

    // Adds the next frames of the piece to `mix` while it plays; called on
    // the audio thread with the lock held.
    void mixInto(std::int16_t* mix, int frames);

private:
    bool ended() const;

    std::unique_ptr<MidiSequence> sequence_;
    std::uint64_t lengthFrames_;
    int sampleRate_;
    std::mutex& lock_;
    std::function<void(SdlMidiTrack*)> onClose_;
    bool running_ = false;
};
