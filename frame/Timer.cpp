#include "frame/Timer.h"

#include "frame/Exception.h"
#include "frame/Scheduler.h"

TTimer::TTimer(Scheduler& loop, std::string name) : TComponent(std::move(name)), loop_(loop) {}

TTimer::~TTimer() { loop_.stop(*this); }

void TTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    restart();
}

void TTimer::setInterval(std::uint32_t interval) {
    if (interval == interval_) return;
    interval_ = interval;
    restart();
}

void TTimer::setOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    restart();
}

bool TTimer::running() const { return loop_.running(*this); }

void TTimer::restart() {
    loop_.stop(*this);
    if (interval_ == 0 || !enabled_ || !onTimer_) return;
    if (!loop_.start(*this, interval_)) throw Exception("ETimerError", "Not enough timers available");
}

void TTimer::tick() {
    if (onTimer_) onTimer_(this);
}
