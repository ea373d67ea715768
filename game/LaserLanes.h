#pragma once
#include "game/GameState.h"
#include "game/GameView.h"
#include "game/LevelCycle.h"

// The four laser lanes: the dispatcher fires an idle lane at random, and each
// lane's mover sounds the shot and moves its beam left until it hits the ship
// or leaves the field.
class LaserLanes {
public:
    LaserLanes(GameState& state, GameView& view, LevelCycle& cycle) : state_(state), view_(view), cycle_(cycle) {}

    void dispatch();
    // One tick of lane `lane`, 1 to 4.
    void tick(int lane);

private:
    bool hits(const TShape& beam, int lane) const;
    void returnBeam(int lane);

    GameState& state_;
    GameView& view_;
    LevelCycle& cycle_;
};
