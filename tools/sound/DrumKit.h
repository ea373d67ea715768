#pragma once

#include "Dice.h"
#include "Part.h"
#include "Section.h"

#include <string>
#include <vector>

namespace sound {

// General MIDI percussion keys, on channel 10.
namespace drum {
constexpr int kKick = 36;
constexpr int kSnare = 38;
constexpr int kClap = 39;
constexpr int kClosedHat = 42;
constexpr int kLowTom = 45;
constexpr int kOpenHat = 46;
constexpr int kMidTom = 47;
constexpr int kCrash = 49;
constexpr int kHighTom = 50;
constexpr int kRide = 51;
}  // namespace drum

// One drum's sixteen steps: 'X' accent, 'x' hit, 'o' soft, '?' a ghost note
// that plays only sometimes, '.' nothing.
struct DrumLane {
    int key;
    std::string steps;
};
using Groove = std::vector<DrumLane>;

// Plays grooves bar by bar with a little life in the velocities, and now and
// then a fill chosen from a few.
class DrumKit {
public:
    DrumKit(Part& part, std::uint32_t seed);

    // The groove every bar; every fillEvery-th bar a fill instead (0: never).
    void play(const Section& section, const Groove& groove, int fillEvery);
    void hit(int tick, int key, int velocity);

private:
    const Groove& pickFill();
    void playBar(int tick, const Groove& groove);
    int velocityFor(char mark);

    Part& part_;
    Dice dice_;
};

}  // namespace sound
