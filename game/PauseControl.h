#pragma once
#include <vector>

#include "game/GameState.h"
#include "game/GameView.h"

// The pause icon's toggle: pausing stops whichever of the rules' timers run
// (the dispatchers, the level start and the lane movers), remembering which;
// resuming starts exactly those again. A new game clears Paused, so that the
// next toggle pauses and remembers anew.
class PauseControl {
public:
    PauseControl(GameState& state, GameView& view) : state_(state), view_(view) {}

    void toggle();

private:
    void pause();
    void resume();

    GameState& state_;
    GameView& view_;
    std::vector<TTimer*> held_;
};
