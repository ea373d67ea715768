#include "BassLine.h"

namespace sound {

namespace {

constexpr int kBeatAccent = 10;
constexpr int kArticulation = 20;

}  // namespace

BassLine::BassLine(Part& part, int low, int velocity) : part_(part), low_(low), velocity_(velocity) {}

void BassLine::play(const Section& section, const Motif& bar, bool leadIntoNextChord) {
    for (int b = 0; b < section.bars(); ++b) {
        const Scale chord = section.chord(b).near(low_);
        const int nextRoot = placeIn(section.chordAfter(b).tonic(), low_);
        for (const Motif::Hit& hit : bar.hits()) {
            const bool last = &hit == &bar.hits().back();
            const int pitch = last && leadIntoNextChord ? chord.below(nextRoot) : chord.pitch(hit.degree);
            const int accent = hit.step % kStepsPerBeat == 0 ? kBeatAccent : 0;
            part_.play(section.tick(b, hit.step), hit.length * kTicksPerStep - kArticulation, pitch,
                       velocity_ + accent);
        }
    }
}

}  // namespace sound
