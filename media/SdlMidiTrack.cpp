#include "media/SdlMidiTrack.h"

#include <algorithm>
#include <vector>

#include "media/MediaProbe.h"

SdlMidiTrack::SdlMidiTrack(std::unique_ptr<MidiSequence> sequence, std::uint64_t lengthFrames, int sampleRate,
                           std::mutex& lock, std::function<void(SdlMidiTrack*)> onClose)
    : sequence_(std::move(sequence)),
      lengthFrames_(lengthFrames),
      sampleRate_(sampleRate),
      lock_(lock),
      onClose_(std::move(onClose)) {}

SdlMidiTrack::~SdlMidiTrack() { onClose_(this); }

std::uint64_t SdlMidiTrack::length() const { return framesToMilliseconds(lengthFrames_, sampleRate_); }

// The piece ends at its measured length, which cuts only a fading tail, so
// that a played-out piece stands exactly at its length.
bool SdlMidiTrack::ended() const { return sequence_->finished() || sequence_->framesRendered() >= lengthFrames_; }

std::uint64_t SdlMidiTrack::position() {
    std::lock_guard guard(lock_);
    if (ended()) return length();
    return framesToMilliseconds(sequence_->framesRendered(), sampleRate_);
}

bool SdlMidiTrack::playing() {
    std::lock_guard guard(lock_);
    return running_ && !ended();
}

MediaService::Result SdlMidiTrack::rewind() {
    std::lock_guard guard(lock_);
    sequence_->rewind();
    running_ = false;
    return media_error::kNone;
}

MediaService::Result SdlMidiTrack::play() {
    std::lock_guard guard(lock_);
    running_ = true;
    return media_error::kNone;
}

MediaService::Result SdlMidiTrack::stop() {
    std::lock_guard guard(lock_);
    running_ = false;
    return media_error::kNone;
}

void SdlMidiTrack::mixInto(std::int16_t* mix, int frames) {
    if (!running_ || ended()) return;
    frames = static_cast<int>(std::min<std::uint64_t>(frames, lengthFrames_ - sequence_->framesRendered()));
    thread_local std::vector<std::int16_t> own;
    own.assign(static_cast<std::size_t>(frames) * 2, 0);
    int rendered = sequence_->render(own.data(), frames);
    for (int i = 0; i < rendered * 2; ++i)
        mix[i] = static_cast<std::int16_t>(std::clamp(mix[i] + own[i], -32768, 32767));
}
