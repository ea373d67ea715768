#pragma once
#include "game/GameState.h"
#include "game/GameView.h"
#include "game/LevelCycle.h"

// The eight cargo lanes: the dispatcher launches an idle lane at random, and
// each lane's mover drifts its crate left until the ship catches it or it
// escapes. Every tick of a lane checks for the game's end.
class CargoLanes {
public:
    CargoLanes(GameState& state, GameView& view, LevelCycle& cycle) : state_(state), view_(view), cycle_(cycle) {}

    void dispatch();
    // One tick of lane `lane`, 1 to 8.
    void tick(int lane);

private:
    bool caught(const TImage& crate, int lane) const;
    void returnCrate(int lane);

    GameState& state_;
    GameView& view_;
    LevelCycle& cycle_;
};
