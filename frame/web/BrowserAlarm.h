#pragma once
#include <functional>

#include "frame/web/PageLoop.h"

// A page loop's alarm on the browser's timeout; `ring` runs when it is due.
// The page can ask how many times the alarms have rung
// (Module._orbitrove_alarm_rings()): an idle page's count stands still.
class BrowserAlarm : public PageLoop::Alarm {
public:
    explicit BrowserAlarm(std::function<void()> ring) : ring_(std::move(ring)) {}
    ~BrowserAlarm() override { clear(); }
    BrowserAlarm(const BrowserAlarm&) = delete;
    BrowserAlarm& operator=(const BrowserAlarm&) = delete;

    void set(std::uint64_t delayMs) override;
    void clear() override;

private:
    static void due(void* alarm);

    std::function<void()> ring_;
    long timeout_ = 0;
};
