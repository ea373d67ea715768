#include "frame/web/PageLoop.h"

#include "frame/Application.h"

PageLoop::PageLoop(TApplication& application, Alarm& alarm, std::function<void()> ended)
    : application_(application), alarm_(alarm), onEnded_(std::move(ended)) {}

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
    if (!application_.terminated()) return schedule();
    ended_ = true;
    alarm_.clear();
    // The callback may destroy the application, and this loop with it.
    auto ended = std::move(onEnded_);
    ended();
}

void PageLoop::schedule() {
    auto due = application_.timers().nextDue();
    if (!due) return alarm_.clear();
    std::uint64_t now = application_.platform().now();
    alarm_.set(*due > now ? *due - now : 0);
}
