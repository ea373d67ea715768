#include "DrumKit.h"

#include <stdexcept>

namespace sound {

namespace {

constexpr int kHumanize = 5;
constexpr int kGhostChance = 35;

const std::vector<Groove> kFills = {
    {{drum::kKick, "x.......x......."}, {drum::kSnare, "....x.....x.xoxX"}, {drum::kClosedHat, "x.x.x.x.x......."}},
    {{drum::kKick, "x.....x.x......."},
     {drum::kSnare, "....x..........."},
     {drum::kHighTom, "........xx......"},
     {drum::kMidTom, "..........xx...."},
     {drum::kLowTom, "............xxX."}},
    {{drum::kKick, "x.......x...x..."}, {drum::kSnare, "....x.oox.oox.xX"}, {drum::kOpenHat, "x..............."}},
};

}  // namespace

DrumKit::DrumKit(Part& part, std::uint32_t seed) : part_(part), dice_(seed) {}

void DrumKit::play(const Section& section, const Groove& groove, int fillEvery) {
    for (int bar = 0; bar < section.bars(); ++bar) {
        const bool fill = fillEvery > 0 && (bar + 1) % fillEvery == 0;
        playBar(section.tick(bar), fill ? pickFill() : groove);
    }
}

const Groove& DrumKit::pickFill() {
    return kFills[static_cast<std::size_t>(dice_.below(static_cast<int>(kFills.size())))];
}

void DrumKit::hit(int tick, int key, int velocity) { part_.play(tick, kTicksPerStep, key, velocity); }

void DrumKit::playBar(int tick, const Groove& groove) {
    for (const DrumLane& lane : groove) {
        for (int step = 0; step < static_cast<int>(lane.steps.size()); ++step) {
            const int velocity = velocityFor(lane.steps[static_cast<std::size_t>(step)]);
            if (velocity > 0) {
                hit(tick + step * kTicksPerStep, lane.key, velocity + dice_.jitter(kHumanize));
            }
        }
    }
}

// Zero for a silent step.
int DrumKit::velocityFor(char mark) {
    switch (mark) {
    case 'X': return 118;
    case 'x': return 100;
    case 'o': return 72;
    case '?': return dice_.chance(kGhostChance) ? 46 : 0;
    case '.': return 0;
    default: throw std::invalid_argument(std::string("unknown drum mark ") + mark);
    }
}

}  // namespace sound
