#pragma once
#include <cstdint>
#include <functional>

#include "frame/TimerQueue.h"

class TApplication;

// How a play request ended, as its completion notice says.
enum class TMPNotifyValues { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

// Follows the last play request of a player on the event loop and reports
// how it ended: played to its end, replaced by a newer request, stopped, or
// refused by the service.
class PlayWatch : public TimerQueue::Client {
public:
    using Report = std::function<void(TMPNotifyValues)>;
    // Milliseconds still to play; 0 once the piece has stopped sounding.
    using Remaining = std::function<std::uint64_t()>;
    PlayWatch(Report report, Remaining remaining) : report_(std::move(report)), remaining_(std::move(remaining)) {}
    ~PlayWatch() override { disarm(); }

    // After a play request; the loop that will check for its end.
    void played(bool refused, TApplication* loop);
    void stopped();
    // The device is closing: nothing more to report.
    void cancel() { disarm(); }

    void tick() override;

private:
    void arm(std::uint64_t ms);
    void disarm();
    void finish(TMPNotifyValues how);

    Report report_;
    Remaining remaining_;
    TApplication* loop_ = nullptr;
    bool pending_ = false;
};
