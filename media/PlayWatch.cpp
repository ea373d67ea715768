#include "media/PlayWatch.h"

#include "frame/Application.h"

void PlayWatch::played(bool refused, TApplication* loop) {
    if (pending_) finish(TMPNotifyValues::nvSuperseded);
    if (refused) return finish(TMPNotifyValues::nvFailure);
    loop_ = loop;
    pending_ = true;
    arm(remaining_());
}

void PlayWatch::stopped() {
    if (pending_) finish(TMPNotifyValues::nvAborted);
}

// Checks again at the expected end until the piece has stopped sounding.
void PlayWatch::tick() {
    if (std::uint64_t left = remaining_()) return arm(left);
    finish(TMPNotifyValues::nvSuccessful);
}

void PlayWatch::arm(std::uint64_t ms) {
    if (!loop_) return;
    loop_->timers().stop(*this);
    loop_->timers().start(*this, static_cast<std::uint32_t>(std::max<std::uint64_t>(ms, 1)), loop_->platform().now());
}

void PlayWatch::disarm() {
    if (loop_) loop_->timers().stop(*this);
    pending_ = false;
}

void PlayWatch::finish(TMPNotifyValues how) {
    disarm();
    report_(how);
}
