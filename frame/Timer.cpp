#include "frame/Timer.h"

#include "frame/Application.h"
#include "frame/Exception.h"

TTimer::TTimer(TForm& owner, std::string name) : TComponent(std::move(name)), owner_(owner) {}

TTimer::~TTimer() { owner_.application().timers().stop(*this); }

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

bool TTimer::running() const { return owner_.application().timers().running(*this); }

void TTimer::restart() {
    TApplication& app = owner_.application();
    app.timers().stop(*this);
    if (interval_ == 0 || !enabled_ || !onTimer_) return;
    if (!app.timers().start(*this, interval_, app.platform().now()))
        throw Exception("ETimerError", "Not enough timers available");
}

void TTimer::tick() {
    if (onTimer_) onTimer_(this);
}
