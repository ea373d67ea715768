#include "Part.h"

#include "Timing.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace sound {

namespace {

constexpr int kVolume = 7;
constexpr int kPan = 10;
constexpr int kExpression = 11;
constexpr int kReverb = 91;

int lerp(int from, int to, int step, int steps) { return from + (to - from) * step / steps; }

}  // namespace

Part::Part(Instrument instrument) : instrument_(std::move(instrument)) {
    const int channel = instrument_.channel;
    track_.name(instrument_.name);
    track_.program(0, channel, instrument_.program);
    track_.controller(0, channel, kVolume, instrument_.volume);
    track_.controller(0, channel, kPan, instrument_.pan);
    track_.controller(0, channel, kReverb, instrument_.reverb);
    track_.controller(0, channel, kExpression, 127);
}

void Part::play(int tick, int length, int pitch, int velocity) {
    if (length <= 0) {
        throw std::invalid_argument(instrument_.name + ": a note needs a length");
    }
    notes_.push_back({tick, length, pitch, std::clamp(velocity, 1, 127)});
}

void Part::roll(int fromTick, int toTick, int pitch, int stepTicks, int fromVelocity, int toVelocity) {
    const int strokes = (toTick - fromTick) / stepTicks;
    for (int i = 0; i < strokes; ++i) {
        play(fromTick + i * stepTicks, stepTicks, pitch, lerp(fromVelocity, toVelocity, i, std::max(1, strokes - 1)));
    }
}

void Part::swell(int fromTick, int toTick, int fromLevel, int toLevel) {
    const int steps = std::max(1, (toTick - fromTick) / kTicksPerStep);
    for (int i = 0; i <= steps; ++i) {
        track_.controller(lerp(fromTick, toTick, i, steps), instrument_.channel, kExpression,
                          lerp(fromLevel, toLevel, i, steps));
    }
}

int Part::endTick() const {
    int end = 0;
    for (const Note& note : notes_) {
        end = std::max(end, note.tick + note.length);
    }
    return end;
}

MidiTrack Part::track() const {
    MidiTrack track = track_;
    for (const Note& note : withoutOverlaps()) {
        track.noteOn(note.tick, instrument_.channel, note.pitch, note.velocity);
        track.noteOff(note.tick + note.length, instrument_.channel, note.pitch);
    }
    return track;
}

// A key struck again while it still sounds cuts the earlier note short;
// a second stroke at the very same moment is dropped.
std::vector<Part::Note> Part::withoutOverlaps() const {
    std::vector<Note> notes = notes_;
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
        return a.pitch != b.pitch ? a.pitch < b.pitch : a.tick < b.tick;
    });
    std::vector<Note> kept;
    for (const Note& note : notes) {
        if (!kept.empty() && kept.back().pitch == note.pitch && kept.back().tick == note.tick) {
            continue;
        }
        if (!kept.empty() && kept.back().pitch == note.pitch) {
            kept.back().length = std::min(kept.back().length, note.tick - kept.back().tick);
        }
        kept.push_back(note);
    }
    return kept;
}

}  // namespace sound
