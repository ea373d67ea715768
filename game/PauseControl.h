#pragma once
#include <array>

#include "game/GameState.h"
#include "game/GameView.h"

// The pause icon's toggle: pausing stops whichever of the dispatchers, the
// level start and the lane movers run, remembering which; resuming starts
// exactly those again.
class PauseControl {
public:
    PauseControl(GameState& state, GameView& view) : state_(state), view_(view) {}

    void toggle();

private:
    void pause();
    void resume();
    std::array<TTimer*, 15> timers() const;

    GameState& state_;
    GameView& view_;
};
