#include "FrameFixture.h"
#include "frame/Exception.h"
#include "frame/Timer.h"
#include "frame/TimerQueue.h"

namespace {

class TimerTest : public FrameFixture {
protected:
    // A timer that records the virtual time of each tick.
    TTimer& recordingTimer(std::uint32_t interval, std::vector<std::uint64_t>& ticks) {
        TTimer& timer = form->make<TTimer>(application.scheduler(), "Timer" + std::to_string(++count));
        timer.setInterval(interval);
        timer.setOnTimer([&ticks, this](TComponent*) { ticks.push_back(platform.now()); });
        return timer;
    }
    int count = 0;
};

TEST_F(TimerTest, UnchangedWritesKeepTheCountdownAndChangedWritesRestartIt) {
    std::vector<std::uint64_t> ticks;
    TTimer& timer = recordingTimer(100, ticks);
    advance(60);
    timer.setEnabled(true);
    timer.setInterval(100);
    advance(40);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{100}));
    advance(50);
    timer.setInterval(70);  // half-way through: a full new interval
    advance(69);
    EXPECT_EQ(ticks.size(), 1u);
    advance(1);
    EXPECT_EQ(ticks.back(), 220u);
    timer.setEnabled(false);
    timer.setEnabled(true);
    advance(100);
    EXPECT_EQ(ticks.back(), 290u);
}

TEST_F(TimerTest, AttachingAHandlerRestarts) {
    std::vector<std::uint64_t> ticks;
    TTimer& timer = recordingTimer(100, ticks);
    advance(80);
    timer.setOnTimer([&](TComponent*) { ticks.push_back(platform.now() + 1000); });
    advance(100);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{1180}));
}

TEST_F(TimerTest, IntervalZeroNeverTicksButStaysEnabled) {
    std::vector<std::uint64_t> ticks;
    TTimer& timer = recordingTimer(0, ticks);
    advance(5000);
    EXPECT_TRUE(ticks.empty());
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 0u);
}

TEST_F(TimerTest, DisablingInsideTheHandlerEndsTheTicksAtOnce) {
    int own = 0, other = 0;
    TTimer& timer = form->make<TTimer>(application.scheduler(), "Self");
    TTimer& victim = form->make<TTimer>(application.scheduler(), "Victim");
    victim.setInterval(10);
    victim.setOnTimer([&](TComponent*) { ++other; });
    timer.setInterval(10);
    timer.setOnTimer([&](TComponent*) {
        ++own;
        timer.setEnabled(false);
        victim.setEnabled(false);
    });
    // Both fall due at 10; the first disables both, so the second's tick is
    // discarded although its period has elapsed.
    advance(1000);
    EXPECT_EQ(own, 1);
    EXPECT_EQ(other, 0);
}

TEST_F(TimerTest, MissedPeriodsCollapseIntoOneTickOnTheTimersGrid) {
    std::vector<std::uint64_t> ticks;
    recordingTimer(50, ticks);
    platform.setNow(235);  // the loop was busy for several periods
    application.processPending();
    advance(15);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{235, 250}));
}

TEST_F(TimerTest, TicksDueTogetherComeInCreationOrder) {
    std::vector<std::string> order;
    for (const char* name : {"A", "B", "C"}) {
        TTimer& timer = form->make<TTimer>(application.scheduler(), name);
        timer.setInterval(name[0] == 'B' ? 20 : 40);
        timer.setOnTimer([&order, name](TComponent*) { order.push_back(name); });
    }
    advance(40);
    EXPECT_EQ(order, (std::vector<std::string>{"B", "A", "B", "C"}));
}

class HiddenTimerForm : public TForm {
public:
    explicit HiddenTimerForm(TApplication& application) : TForm(application, "Hidden") {}
    int ticks = 0;

protected:
    void createControls() override {
        setClientSize({10, 10});
        TTimer& timer = make<TTimer>(application().scheduler(), "Timer1");
        timer.setInterval(8000);
        timer.setOnTimer([this](TComponent*) { ++ticks; });
    }
};

TEST_F(TimerTest, ALayoutEnabledTimerTicksOnAScreenNeverShown) {
    HiddenTimerForm* hidden = nullptr;
    application.createForm(hidden);
    advance(8000);
    EXPECT_FALSE(hidden->visible());
    EXPECT_EQ(hidden->ticks, 1);
}

TEST(TimerQueueLimit, ARefusedTimerRaisesButKeepsTheWrittenValue) {
    HeadlessPlatform platform;
    TApplication application(platform, "orbitrove");
    TestForm* form = nullptr;
    application.createForm(form);
    application.timers() = TimerQueue(1);
    TTimer& first = form->make<TTimer>(application.scheduler(), "First");
    first.setOnTimer([](TComponent*) {});
    TTimer& second = form->make<TTimer>(application.scheduler(), "Second");
    second.setEnabled(false);
    second.setOnTimer([](TComponent*) {});
    try {
        second.setEnabled(true);
        FAIL() << "no error raised";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Not enough timers available");
    }
    EXPECT_TRUE(second.enabled());
    EXPECT_FALSE(second.running());
    EXPECT_TRUE(first.running());
}

}  // namespace
