#include "MelodyLine.h"

#include <cstdlib>
#include <limits>

namespace sound {

namespace {

constexpr int kAccent = 6;
constexpr int kArticulation = 24;
constexpr int kOutOfRangeCost = 1000;

bool isChordTone(int degree) {
    const int inOctave = ((degree % 7) + 7) % 7;
    return inOctave == 0 || inOctave == 2 || inOctave == 4;
}

}  // namespace

MelodyLine::MelodyLine(int low, int high, int anchor) : low_(low), high_(high), last_(anchor) {}

void MelodyLine::play(const Section& section, const std::vector<Motif>& phrase, const std::vector<Voice>& voices) {
    for (int bar = 0; bar < static_cast<int>(phrase.size()); ++bar) {
        const Motif& motif = phrase[static_cast<std::size_t>(bar)];
        if (!motif.hits().empty()) {
            playMotif(section.tick(bar), section.chord(bar).near(low_), motif, voices);
        }
    }
}

void MelodyLine::playMotif(int tick, const Scale& chord, const Motif& motif, const std::vector<Voice>& voices) {
    const int shift = octaveShift(chord, motif);
    for (const Motif::Hit& hit : motif.hits()) {
        const int start = tick + hit.step * kTicksPerStep;
        const int length = hit.length * kTicksPerStep - kArticulation;
        const int accent = hit.step % kStepsPerBeat == 0 ? kAccent : 0;
        for (const Voice& voice : voices) {
            voice.part->play(start, length, chord.pitch(degreeFor(voice, hit.degree)) + shift, voice.velocity + accent);
        }
    }
    last_ = chord.pitch(motif.hits().back().degree) + shift;
}

int MelodyLine::degreeFor(const Voice& voice, int degree) {
    int moved = degree + voice.degreeOffset;
    while (voice.chordTonesOnly && !isChordTone(moved)) {
        --moved;
    }
    return moved;
}

int MelodyLine::octaveShift(const Scale& chord, const Motif& motif) const {
    int best = 0;
    int bestCost = std::numeric_limits<int>::max();
    for (int shift = -24; shift <= 24; shift += 12) {
        int cost = std::abs(chord.pitch(motif.hits().front().degree) + shift - last_);
        for (const Motif::Hit& hit : motif.hits()) {
            const int pitch = chord.pitch(hit.degree) + shift;
            cost += pitch < low_ || pitch > high_ ? kOutOfRangeCost : 0;
        }
        if (cost < bestCost) {
            best = shift;
            bestCost = cost;
        }
    }
    return best;
}

}  // namespace sound
