#include "game/PauseControl.h"

void PauseControl::toggle() {
    state_.Paused = !state_.Paused;
    if (state_.Paused) pause();
    else resume();
}

// Every one of the timers that runs stops and is remembered, a lane
// launched but not yet moved included; intervals are left as they are.
void PauseControl::pause() {
    held_.clear();
    for (TTimer* timer : view_.timers()) {
        if (!timer->enabled()) continue;
        held_.push_back(timer);
        timer->setEnabled(false);
    }
}

// Exactly the remembered timers start again, each a full interval anew.
void PauseControl::resume() {
    for (TTimer* timer : held_) timer->setEnabled(true);
    held_.clear();
}
