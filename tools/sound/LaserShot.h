#pragma once

#include "Dice.h"
#include "Pcm.h"

namespace sound {

// The station's laser: a falling FM tone with a short hiss at the attack.
// Short, since the game does not restart a shot that is still playing.
class LaserShot {
public:
    LaserShot();

    Pcm render();

private:
    double next(double seconds);
    double tone(double seconds);
    double hiss(double seconds);

    Dice dice_;
    double carrierPhase_ = 0.0;
    double modulatorPhase_ = 0.0;
    double detunedPhase_ = 0.0;
    double subPhase_ = 0.0;
    double hissState_ = 0.0;
    double smoothed_ = 0.0;
};

}  // namespace sound
