#include "game/GameView.h"

std::vector<TTimer*> GameView::timers() const {
    std::vector<TTimer*> all{crateDispatcher, laserDispatcher, levelStart};
    for (const CargoLane& lane : cargo) all.push_back(lane.mover);
    for (const LaserLane& lane : lasers) all.push_back(lane.mover);
    return all;
}
