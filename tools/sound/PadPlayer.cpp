#include "PadPlayer.h"

namespace sound {

namespace {

// A hair of silence lets a chord struck again on the same keys sound anew.
constexpr int kBreath = 10;

}  // namespace

PadPlayer::PadPlayer(Part& part, int low, int velocity) : part_(part), low_(low), velocity_(velocity) {}

void PadPlayer::hold(const Section& section) {
    int first = 0;
    for (int bar = 1; bar <= section.bars(); ++bar) {
        if (bar < section.bars() && section.chord(bar) == section.chord(first)) {
            continue;
        }
        const int start = section.tick(first);
        for (int pitch : voicing(section.chord(first))) {
            part_.play(start, section.tick(bar) - start - kBreath, pitch, velocity_);
        }
        first = bar;
    }
}

std::vector<int> PadPlayer::voicing(const Scale& chord) const {
    return {placeIn(chord.tonic(), low_ - 12), placeIn(chord.pitch(0), low_), placeIn(chord.pitch(2), low_),
            placeIn(chord.pitch(4), low_)};
}

}  // namespace sound
