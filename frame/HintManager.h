#pragma once
#include <functional>
#include <memory>
#include <string>

#include "frame/Platform.h"
#include "frame/Scheduler.h"

class TControl;

// Tool-tips: shown after the pointer has rested 500 ms on a control with a
// hint, removed 2500 ms later, handed over at once from one hinted control to
// the next while one is showing.
class HintManager {
public:
    static constexpr std::uint32_t kShowDelay = 500;
    static constexpr std::uint32_t kShowTime = 2500;

    HintManager(Platform& platform, Scheduler& loop);
    ~HintManager();

    // The pointer moved over `control` (null: over nothing with a hint).
    void pointerOver(TControl* control, Point windowOrigin, Point clientPos);
    void cancel();
    bool paintPending();

    bool showingHint() const { return shown_; }
    const std::string& text() const { return text_; }

private:
    class Alarm : public TimerQueue::Client {
    public:
        explicit Alarm(std::function<void()> action) : action_(std::move(action)) {}
        void tick() override { action_(); }

    private:
        std::function<void()> action_;
    };

    void showNow();
    void hideNow();

    Platform& platform_;
    Scheduler& loop_;
    Alarm showAlarm_;
    Alarm hideAlarm_;
    TControl* control_ = nullptr;
    std::string text_;
    Point anchor_;
    bool shown_ = false;
    bool needsPaint_ = false;
    std::unique_ptr<PlatformWindow> window_;
    std::unique_ptr<Canvas> canvas_;
};
