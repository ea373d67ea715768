#include "game/CargoLanes.h"

#include <string>

#include "frame/Random.h"
#include "game/LaneTables.h"

// One draw a tick; a flying lane is left alone and nothing is launched.
void CargoLanes::dispatch() {
    auto index = static_cast<std::size_t>(RandomBelow(8));
    if (!state_.CrateFlying[index]) view_.cargo[index].mover->setEnabled(true);
}

// Only the crate's left edge counts: strictly right of the ship's left edge
// and at most at its right edge, with the ship exactly on the lane's row.
bool CargoLanes::caught(const TImage& crate, int lane) const {
    const TImage& ship = *view_.ship;
    int x = crate.left();
    return ship.left() < x && x <= ship.left() + ship.width() &&
           ship.top() == lanes::kCatchRows[static_cast<std::size_t>(lane - 1)];
}

void CargoLanes::returnCrate(int lane) {
    auto index = static_cast<std::size_t>(lane - 1);
    view_.cargo[index].crate->setLeft(lanes::kCrateReturnLeft);
    view_.cargo[index].mover->setEnabled(false);
    state_.CrateFlying[index] = false;
}

void CargoLanes::tick(int lane) {
    auto index = static_cast<std::size_t>(lane - 1);
    TImage& crate = *view_.cargo[index].crate;
    if (state_.Lives == 0) cycle_.GameOver();
    crate.setLeft(crate.left() - state_.Speed);
    state_.CrateFlying[index] = true;
    view_.lives->setCaption(std::to_string(state_.Lives));
    if (caught(crate, lane)) {
        crate.hide();
        ++state_.Caught;
        view_.caught->setCaption(std::to_string(state_.Caught));
        state_.Score += state_.CrateValue;
        view_.score->setCaption(std::to_string(state_.Score));
    }
    if (crate.left() < lanes::kEscapeLeft) {
        returnCrate(lane);
        state_.Score -= lanes::kPenalty;
        --state_.Lives;
        cycle_.showLivesAndScore();
    }
    if (!crate.visible()) {
        returnCrate(lane);
        crate.show();
    }
    if (cycle_.levelClearedTest()) cycle_.LevelCleared();
    if (state_.Level == 11) cycle_.Victory();
}
