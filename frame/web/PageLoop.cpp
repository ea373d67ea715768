#include "frame/web/PageLoop.h"

#include "frame/Application.h"

namespace {
// A tick due this soon takes the pictures of this turn with its own: ticks
// of different timers often fall a few milliseconds apart, each picture
// handed over costs the browser a compositor frame of its own, and the
// display shows one picture a frame (16.7 ms) whatever it is handed.
constexpr std::uint64_t kGatherMs = 4;
// However closely ticks follow each other, nothing painted waits longer.
constexpr std::uint64_t kLongestHoldMs = 8;
}  // namespace

PageLoop::PageLoop(TApplication& application, Alarm& alarm, Presenter& presenter, std::function<void()> ended)
    : application_(application), alarm_(alarm), presenter_(presenter), onEnded_(std::move(ended)) {}

PageLoop::~PageLoop() { alarm_.clear(); }

void PageLoop::start() {
    application_.showMainForm();
    wake();
}

void PageLoop::wake() {
    if (turning_ || ended_) return;
    turning_ = true;
    application_.processPending();
    turning_ = false;
    if (!application_.terminated()) {
        // Handing pictures over sets no timer: one reading serves both.
        std::optional<std::uint64_t> due = application_.timers().nextDue();
        std::uint64_t now = application_.platform().now();
        present(due, now);
        return schedule(due, now);
    }
    ended_ = true;
    alarm_.clear();
    // The callback may destroy the application, and this loop with it.
    auto ended = std::move(onEnded_);
    ended();
}

void PageLoop::present(std::optional<std::uint64_t> due, std::uint64_t now) {
    if (!heldSince_) heldSince_ = now;
    if (due && *due <= now + kGatherMs && now - *heldSince_ < kLongestHoldMs) return;
    heldSince_.reset();
    presenter_.presentHeld();
}

void PageLoop::schedule(std::optional<std::uint64_t> due, std::uint64_t now) {
    if (!due) return alarm_.clear();
    alarm_.set(*due > now ? *due - now : 0);
}
