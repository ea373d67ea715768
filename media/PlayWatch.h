#pragma once
#include <cstdint>
#include <functional>

#include "frame/Scheduler.h"

// How a play request ended, as its completion notice says.
enum class TMPNotifyValues { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

// Follows the last play request of a player on the event loop and reports
// how it ended: played to its end, replaced by a newer request (the
// player's own, or another piece of music's), stopped, or refused by the
// service.
class PlayWatch : public TimerQueue::Client {
public:
    using Report = std::function<void(TMPNotifyValues)>;
    // Milliseconds still to play; 0 once the piece has stopped sounding.
    using Remaining = std::function<std::uint64_t()>;
    PlayWatch(Scheduler& loop, Report report, Remaining remaining)
        : loop_(loop), report_(std::move(report)), remaining_(std::move(remaining)) {}
    ~PlayWatch() override { disarm(); }

    // After a play request.
    void played(bool refused);
    void stopped();
    // The service stopped the device for another piece of music.
    void superseded();
    // The device is closing: nothing more to report.
    void cancel() { disarm(); }

    void tick() override;

private:
    void arm(std::uint64_t ms);
    void disarm();
    void finish(TMPNotifyValues how);

    Scheduler& loop_;
    Report report_;
    Remaining remaining_;
    bool pending_ = false;
};
