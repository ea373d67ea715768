#include "game/PauseControl.h"

void PauseControl::toggle() {
    state_.Paused = !state_.Paused;
    if (state_.Paused) pause();
    else resume();
}

void PauseControl::pause() {
    view_.crateDispatcher->setEnabled(false);
    view_.laserDispatcher->setEnabled(false);
    view_.levelStart->setEnabled(false);
    for (std::size_t i = 0; i < view_.cargo.size(); ++i) state_.SavedIntervals[i] = view_.cargo[i].mover->interval();
    state_.SavedIntervals[8] = view_.crateDispatcher->interval();
    state_.SavedIntervals[9] = view_.laserDispatcher->interval();
    for (std::size_t i = 0; i < view_.cargo.size(); ++i) {
        if (!state_.CrateFlying[i]) continue;
        state_.CrateHeld[i] = true;
        view_.cargo[i].mover->setEnabled(false);
    }
    for (std::size_t j = 0; j < view_.lasers.size(); ++j) {
        if (!state_.LaserFlying[j]) continue;
        view_.lasers[j].mover->setEnabled(false);
        state_.LaserHeld[j] = true;
    }
}

void PauseControl::resume() {
    view_.crateDispatcher->setEnabled(true);
    view_.laserDispatcher->setEnabled(true);
    for (std::size_t i = 0; i < view_.cargo.size(); ++i) view_.cargo[i].mover->setInterval(state_.SavedIntervals[i]);
    view_.crateDispatcher->setInterval(state_.SavedIntervals[8]);
    view_.laserDispatcher->setInterval(state_.SavedIntervals[9]);
    if (view_.banner->visible()) view_.levelStart->setEnabled(true);
    for (std::size_t i = 0; i < view_.cargo.size(); ++i) {
        if (!state_.CrateHeld[i]) continue;
        view_.cargo[i].mover->setEnabled(true);
        state_.CrateHeld[i] = false;
    }
    for (std::size_t j = 0; j < view_.lasers.size(); ++j) {
        if (!state_.LaserHeld[j]) continue;
        view_.lasers[j].mover->setEnabled(true);
        state_.LaserHeld[j] = false;
    }
}
