#pragma once
#include "game/GameState.h"
#include "game/GameView.h"

// The pause icon's toggle: pausing stops the dispatchers, the level start
// and every lane in flight, remembering which; resuming starts those again.
class PauseControl {
public:
    PauseControl(GameState& state, GameView& view) : state_(state), view_(view) {}

    void toggle();

private:
    void pause();
    void resume();

    GameState& state_;
    GameView& view_;
};
