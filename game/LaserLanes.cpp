#include "game/LaserLanes.h"

#include <string>

#include "frame/Random.h"
#include "game/LaneTables.h"

namespace {
const lanes::LaserLane& laneTable(int lane) { return lanes::kLaserLanes[static_cast<std::size_t>(lane - 1)]; }
}  // namespace

// One draw a tick; a flying lane is left alone and nothing is fired.
void LaserLanes::dispatch() {
    auto index = static_cast<std::size_t>(RandomBelow(4));
    if (!state_.LaserFlying[index]) view_.lasers[index].mover->setEnabled(true);
}

// Only the beam's left end counts, anywhere from the ship's left edge to its
// right edge, with the ship exactly on the lane's row.
bool LaserLanes::hits(const TShape& beam, int lane) const {
    const TImage& ship = *view_.ship;
    int x = beam.left();
    return ship.left() <= x && x <= ship.left() + ship.width() && ship.top() == laneTable(lane).hitRow;
}

void LaserLanes::returnBeam(int lane) {
    auto index = static_cast<std::size_t>(lane - 1);
    view_.lasers[index].beam->setLeft(laneTable(lane).start);
    view_.lasers[index].mover->setEnabled(false);
    state_.LaserFlying[index] = false;
}

void LaserLanes::tick(int lane) {
    auto index = static_cast<std::size_t>(lane - 1);
    TShape& beam = *view_.lasers[index].beam;
    if (state_.Lives == 0) cycle_.GameOver();
    // The beam stands at the gun only at the first tick of a flight.
    if (beam.left() == laneTable(lane).start) view_.laserSound->Play();
    beam.setLeft(beam.left() - laneTable(lane).step);
    state_.LaserFlying[index] = true;
    view_.lives->setCaption(std::to_string(state_.Lives));
    if (beam.left() < lanes::kEscapeLeft) returnBeam(lane);
    if (hits(beam, lane)) {
        returnBeam(lane);
        --state_.Lives;
        state_.Score -= lanes::kPenalty;
        cycle_.showLivesAndScore();
    }
    if (state_.Level == 11) cycle_.Victory();
}
