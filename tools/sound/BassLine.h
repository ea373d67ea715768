#pragma once

#include "Motif.h"
#include "Part.h"
#include "Section.h"

namespace sound {

// The bass: a rhythm of chord degrees repeated every bar from the root,
// whose last note may step into the next bar's root instead.
class BassLine {
public:
    BassLine(Part& part, int low, int velocity);

    void play(const Section& section, const Motif& bar, bool leadIntoNextChord);

private:
    Part& part_;
    int low_;
    int velocity_;
};

}  // namespace sound
