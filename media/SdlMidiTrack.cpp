#include "media/SdlMidiTrack.h"

#include "media/MediaProbe.h"
#include "media/MidiDeck.h"

SdlMidiTrack::SdlMidiTrack(const std::string& fileName, std::uint64_t lengthFrames, MidiDeck& deck, std::mutex& lock)
    : deck_(deck), sequence_(fileName), lengthFrames_(lengthFrames), lock_(lock) {}

SdlMidiTrack::~SdlMidiTrack() {
    std::lock_guard guard(lock_);
    deck_.stop(*this);
    sequence_.halt();
}

void SdlMidiTrack::start() {
    sequence_.prepare(deck_.synth());
    sequence_.run();
}

std::uint64_t SdlMidiTrack::length() const { return framesToMilliseconds(lengthFrames_, deck_.sampleRate()); }

std::uint64_t SdlMidiTrack::position() {
    std::lock_guard guard(lock_);
    return framesToMilliseconds(frames_, deck_.sampleRate());
}

bool SdlMidiTrack::playing() {
    std::lock_guard guard(lock_);
    return running_ && !ended();
}

MediaService::Result SdlMidiTrack::rewind() {
    std::lock_guard guard(lock_);
    running_ = false;
    deck_.stop(*this);
    sequence_.halt();
    frames_ = 0;
    tick_ = 0;
    return media_error::kNone;
}

// A piece that sounds, or waits for its turn, goes on as it is.
MediaService::Result SdlMidiTrack::play() {
    std::lock_guard guard(lock_);
    if (ended() || running_) return media_error::kNone;
    running_ = true;
    sequence_.cue(tick_);
    deck_.play(*this);
    return media_error::kNone;
}

MediaService::Result SdlMidiTrack::stop() {
    std::lock_guard guard(lock_);
    if (!running_) return media_error::kNone;
    running_ = false;
    deck_.stop(*this);
    tick_ = sequence_.halt();
    return media_error::kNone;
}
