#include "game/PauseControl.h"

void PauseControl::toggle() {
    state_.Paused = !state_.Paused;
    if (state_.Paused) pause();
    else resume();
}

// In the order of GameState::HeldTimers.
std::array<TTimer*, 15> PauseControl::timers() const {
    std::array<TTimer*, 15> all{view_.crateDispatcher, view_.laserDispatcher, view_.levelStart};
    for (std::size_t i = 0; i < view_.cargo.size(); ++i) all[3 + i] = view_.cargo[i].mover;
    for (std::size_t j = 0; j < view_.lasers.size(); ++j) all[11 + j] = view_.lasers[j].mover;
    return all;
}

// Every one of these timers that runs stops and is remembered, a lane
// launched but not yet moved included; intervals are left as they are.
void PauseControl::pause() {
    std::array<TTimer*, 15> all = timers();
    for (std::size_t k = 0; k < all.size(); ++k) {
        state_.HeldTimers[k] = all[k]->enabled();
        all[k]->setEnabled(false);
    }
}

// Exactly the remembered timers start again, each a full interval anew.
void PauseControl::resume() {
    std::array<TTimer*, 15> all = timers();
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (state_.HeldTimers[k]) all[k]->setEnabled(true);
        state_.HeldTimers[k] = false;
    }
}
