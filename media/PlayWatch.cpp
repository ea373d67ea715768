#include "media/PlayWatch.h"

#include <algorithm>

void PlayWatch::played(bool refused) {
    if (pending_) finish(TMPNotifyValues::nvSuperseded);
    if (refused) return finish(TMPNotifyValues::nvFailure);
    pending_ = true;
    arm(remaining_());
}

void PlayWatch::stopped() {
    if (pending_) finish(TMPNotifyValues::nvAborted);
}

void PlayWatch::superseded() {
    if (pending_) finish(TMPNotifyValues::nvSuperseded);
}

// Checks again at the expected end until the piece has stopped sounding.
void PlayWatch::tick() {
    if (std::uint64_t left = remaining_()) return arm(left);
    finish(TMPNotifyValues::nvSuccessful);
}

// NOTE: with no timer left on the loop the end of the piece cannot be
// followed; the request is then reported as failed at once rather than
// never, while the sound itself plays on.
void PlayWatch::arm(std::uint64_t ms) {
    loop_.stop(*this);
    if (!loop_.start(*this, static_cast<std::uint32_t>(std::clamp<std::uint64_t>(ms, 1, UINT32_MAX))))
        finish(TMPNotifyValues::nvFailure);
}

void PlayWatch::disarm() {
    loop_.stop(*this);
    pending_ = false;
}

void PlayWatch::finish(TMPNotifyValues how) {
    disarm();
    report_(how);
}
