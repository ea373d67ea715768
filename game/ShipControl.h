#pragma once
#include <cstdint>

#include "game/GameState.h"
#include "game/GameView.h"

// The arrow keys move the ship a grid cell at a time: 13 rows that wrap,
// 9 columns that stop at the edges.
class ShipControl {
public:
    ShipControl(GameState& state, GameView& view) : state_(state), view_(view) {}

    void keyDown(std::uint16_t key);

private:
    GameState& state_;
    GameView& view_;
};
