#pragma once

#include "Dice.h"

#include <string>
#include <vector>

namespace sound {

// A short melodic figure: a rhythm on sixteenth-note steps ('x' strikes,
// '-' holds, '.' rests) and one chord degree per strike. Because degrees
// count from the chord's root, the same figure follows the harmony.
class Motif {
public:
    struct Hit {
        int step;
        int length;
        int degree;
    };

    Motif() = default;
    Motif(const std::string& rhythm, const std::vector<int>& degrees);
    // One note held through whole bars.
    static Motif held(int bars, int degree);

    const std::vector<Hit>& hits() const { return hits_; }
    int steps() const { return steps_; }
    // Some long notes give their last eighth to a note leading to the next one.
    Motif ornamented(Dice& dice) const;

private:
    std::vector<Hit> hits_;
    int steps_ = 0;
};

}  // namespace sound
