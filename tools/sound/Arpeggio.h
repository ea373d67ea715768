#pragma once

#include "Part.h"
#include "Section.h"

#include <vector>

namespace sound {

struct ArpeggioStyle {
    std::vector<int> degrees;  // chord degrees, cycled through each bar
    int stepTicks;
    int noteTicks;  // longer than a step lets plucked notes ring
    int low;        // the chord's root is taken from [low, low + 12)
    int velocity;
};

// Broken chords: the style's degrees played in turn over each bar's chord.
class Arpeggio {
public:
    Arpeggio(Part& part, ArpeggioStyle style);

    void play(const Section& section);

private:
    Part& part_;
    ArpeggioStyle style_;
};

}  // namespace sound
