#pragma once
#include <cstdint>
#include <functional>
#include <optional>

class TApplication;

// The event loop of a page, whose browser never lets a program wait: each
// turn handles everything due now (input, painting, every due tick in
// order, as the desktop loop does when it wakes late) and then sets the
// alarm for the next due tick, or none when no timer runs, so an idle page
// does nothing at all. Input wakes it at once. What a turn painted goes to
// the page at its end, unless a tick is due within a few milliseconds: then
// it goes with that tick's (see present).
class PageLoop {
public:
    // What wakes the loop after a delay: the browser's timeout.
    class Alarm {
    public:
        virtual ~Alarm() = default;
        // Replaces any alarm set before.
        virtual void set(std::uint64_t delayMs) = 0;
        virtual void clear() = 0;
    };

    // What hands the pictures the turns painted to the page.
    class Presenter {
    public:
        virtual ~Presenter() = default;
        virtual void presentHeld() = 0;
    };

    // `ended` runs once the application has terminated, after the loop's
    // last turn; the application may be destroyed there.
    PageLoop(TApplication& application, Alarm& alarm, Presenter& presenter, std::function<void()> ended);
    ~PageLoop();
    PageLoop(const PageLoop&) = delete;
    PageLoop& operator=(const PageLoop&) = delete;

    // Shows the main screen and takes the first turn.
    void start();
    // Takes a turn now: input came, or the alarm rang. A wake during a turn
    // (an event the page raises while the frame works) is that turn's.
    void wake();
    bool ended() const { return ended_; }

private:
    // `due`: the next tick's time, none when no timer runs; `now`: the clock.
    void present(std::optional<std::uint64_t> due, std::uint64_t now);
    void schedule(std::optional<std::uint64_t> due, std::uint64_t now);

    TApplication& application_;
    Alarm& alarm_;
    Presenter& presenter_;
    std::optional<std::uint64_t> heldSince_;
    std::function<void()> onEnded_;
    bool turning_ = false;
    bool ended_ = false;
};
