#pragma once

#include "Part.h"
#include "Section.h"

#include <vector>

namespace sound {

// Sustained chords: the triad packed into one octave from `low` up, which
// keeps each voice close to where it was, and the root an octave below.
class PadPlayer {
public:
    PadPlayer(Part& part, int low, int velocity);

    // A chord a bar; a chord that repeats is held, not struck again.
    void hold(const Section& section);

private:
    std::vector<int> voicing(const Scale& chord) const;

    Part& part_;
    int low_;
    int velocity_;
};

}  // namespace sound
