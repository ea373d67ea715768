#pragma once
#include <cstdint>

#include "frame/Component.h"
#include "frame/TimerQueue.h"

class Scheduler;

// A periodic timer on the event loop. Writing a property with its current
// value does nothing; writing a new value, or attaching a handler, restarts
// the countdown from a full interval.
class TTimer : public TComponent, public TimerQueue::Client {
public:
    TTimer(Scheduler& loop, std::string name);
    ~TTimer() override;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    std::uint32_t interval() const { return interval_; }
    void setInterval(std::uint32_t interval);
    void setOnTimer(TNotifyEvent handler);
    // Whether a countdown is running.
    bool running() const;

    void tick() override;

private:
    void restart();

    Scheduler& loop_;
    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
    TNotifyEvent onTimer_;
};
