#include "media/MidiDeck.h"

#include <algorithm>
#include <utility>

#include "media/SdlMidiTrack.h"

namespace {

constexpr int kFadeMs = 5;

}  // namespace

MidiDeck::MidiDeck(int sampleRate) : sampleRate_(sampleRate), fadeFrames_(sampleRate * kFadeMs / 1000) {}

void MidiDeck::attach(std::unique_ptr<MidiSynth> synth) {
    synth_ = std::move(synth);
    if (fadeLeft_ == 0) startWaiting();
}

void MidiDeck::play(SdlMidiTrack& track) {
    if (sounding_ == &track) return;
    if (sounding_) beginFade();
    waiting_ = &track;
    if (fadeLeft_ == 0 && ready()) startWaiting();
}

void MidiDeck::stop(SdlMidiTrack& track) {
    if (waiting_ == &track) waiting_ = nullptr;
    if (sounding_ == &track) beginFade();
}

void MidiDeck::beginFade() {
    if (sounding_) sounding_->halt();
    sounding_ = nullptr;
    fadeLeft_ = fadeFrames_;
}

void MidiDeck::startWaiting() {
    sounding_ = std::exchange(waiting_, nullptr);
    if (sounding_) sounding_->start();
}

void MidiDeck::mix(std::int16_t* mix, int frames) {
    if (!ready()) return;
    for (int done = 0; done < frames && !idle();) {
        std::int16_t* out = mix + 2 * done;
        done += fadeLeft_ > 0 ? renderFade(out, frames - done) : renderSounding(out, frames - done);
    }
}

// Up to the piece's end, which fades out what still sounds of it.
int MidiDeck::renderSounding(std::int16_t* out, int frames) {
    int n = static_cast<int>(std::min<std::uint64_t>(frames, sounding_->framesLeft()));
    synth_->render(out, n);
    sounding_->advance(n);
    if (sounding_->framesLeft() == 0) beginFade();
    return n;
}

// A straight ramp down to silence; the reset after it leaves no voice and
// no reverb behind, so the next piece starts from silence.
int MidiDeck::renderFade(std::int16_t* out, int frames) {
    int n = std::min(frames, fadeLeft_);
    synth_->render(out, n);
    for (int i = 0; i < n; ++i) {
        int gain = fadeLeft_ - i - 1;
        out[2 * i] = static_cast<std::int16_t>(out[2 * i] * gain / fadeFrames_);
        out[2 * i + 1] = static_cast<std::int16_t>(out[2 * i + 1] * gain / fadeFrames_);
    }
    fadeLeft_ -= n;
    if (fadeLeft_ == 0) {
        synth_->reset();
        startWaiting();
    }
    return n;
}
