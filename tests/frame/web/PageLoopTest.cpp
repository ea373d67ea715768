#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "frame/Application.h"
#include "frame/Timer.h"
#include "frame/headless/HeadlessPlatform.h"
#include "frame/web/PageLoop.h"

namespace {

// The browser's timeout as the loop sets it: the delay asked for last, none
// when cleared.
class RecordingAlarm : public PageLoop::Alarm {
public:
    void set(std::uint64_t delayMs) override { delay = delayMs; }
    void clear() override { delay.reset(); }

    std::optional<std::uint64_t> delay;
};

// When the loop hands the page what its turns painted, on the loop's clock.
class RecordingPresenter : public PageLoop::Presenter {
public:
    explicit RecordingPresenter(Platform& platform) : platform_(platform) {}
    void presentHeld() override { times.push_back(platform_.now()); }

    std::vector<std::uint64_t> times;

private:
    Platform& platform_;
};

class PlainForm : public TForm {
public:
    explicit PlainForm(TApplication& application) : TForm(application, "Plain") {}

protected:
    void createControls() override { setClientSize({100, 50}); }
};

class PageLoopTest : public testing::Test {
protected:
    void SetUp() override {
        application.createForm(form);
        form->OnKeyDown = [this](TComponent*, std::uint16_t key, TShiftState) {
            said.push_back("key " + std::to_string(key));
        };
    }
    TTimer& timer(const std::string& name, std::uint32_t interval) {
        TTimer& made = form->make<TTimer>(application.scheduler(), name);
        made.setInterval(interval);
        made.setOnTimer([this, name](TComponent*) { said.push_back(name + "@" + std::to_string(platform.now())); });
        return made;
    }
    void key(std::uint16_t code) {
        InputEvent event;
        event.type = InputEvent::Type::KeyDown;
        event.key = code;
        event.window = form->window().id();
        platform.post(event);
    }
    // The alarm rings at `at`, however late that is.
    void ringAt(std::uint64_t at) {
        platform.setNow(at);
        loop.wake();
    }

    HeadlessPlatform platform;
    TApplication application{platform, "orbitrove"};
    PlainForm* form = nullptr;
    RecordingAlarm alarm;
    RecordingPresenter presenter{platform};
    int ends = 0;
    PageLoop loop{application, alarm, presenter, [this] { ++ends; }};
    std::vector<std::string> said;
};

TEST_F(PageLoopTest, TheAlarmIsSetForTheNextDueTickAndNoneWhenNoTimerRuns) {
    TTimer& every100 = timer("A", 100);
    platform.setNow(30);
    loop.start();
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(alarm.delay, 70u);
    ringAt(100);
    EXPECT_EQ(said, (std::vector<std::string>{"A@100"}));
    EXPECT_EQ(alarm.delay, 100u);
    every100.setEnabled(false);
    key(vk::Up);
    loop.wake();
    // Nothing left to wake for: an idle page sleeps until input comes.
    EXPECT_FALSE(alarm.delay);
}

TEST_F(PageLoopTest, AlarmRingingLateDeliversEveryDueTickInOrderOnce) {
    timer("A", 100);
    timer("B", 150);
    loop.start();
    ringAt(350);
    // Each timer's missed periods collapse into one tick, earliest due first,
    // as the desktop loop has them when it wakes late.
    EXPECT_EQ(said, (std::vector<std::string>{"A@350", "B@350"}));
    EXPECT_EQ(alarm.delay, 50u);
    ringAt(400);
    EXPECT_EQ(said.back(), "A@400");
}

TEST_F(PageLoopTest, InputIsHandledAtOnceAndInputComingDuringATurnInThatTurn) {
    loop.start();
    key(vk::Left);
    loop.wake();
    EXPECT_EQ(said, (std::vector<std::string>{"key 37"}));
    TTimer& posting = timer("A", 100);
    posting.setOnTimer([this](TComponent*) {
        said.push_back("tick");
        key(vk::Right);
        loop.wake();
    });
    ringAt(100);
    EXPECT_EQ(said, (std::vector<std::string>{"key 37", "tick", "key 39"}));
}

TEST_F(PageLoopTest, TheEndIsReportedOnceAfterTheLastTurnAndTheAlarmCleared) {
    TTimer& closing = timer("A", 100);
    timer("B", 100);
    closing.setOnTimer([this](TComponent*) { form->close(); });
    loop.start();
    ringAt(100);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(loop.ended());
    EXPECT_FALSE(alarm.delay);
    // The tick due with it never came: the loop stopped with the application.
    EXPECT_TRUE(said.empty());
    key(vk::Up);
    ringAt(200);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(said.empty());
}

// Ticks of different timers a few milliseconds apart hand the page one
// picture between them, not one each; a tick further off does not hold
// what a turn painted, nor does input.
TEST_F(PageLoopTest, WhatATurnPaintedGoesWithATickDueWithinFourMilliseconds) {
    timer("A", 100);
    timer("B", 104);
    timer("C", 150);
    loop.start();
    EXPECT_EQ(presenter.times, (std::vector<std::uint64_t>{0}));
    ringAt(100);
    EXPECT_EQ(presenter.times.size(), 1u);
    ringAt(104);
    ringAt(150);
    EXPECT_EQ(presenter.times, (std::vector<std::uint64_t>{0, 104, 150}));
    platform.setNow(160);
    key(vk::Up);
    loop.wake();
    EXPECT_EQ(presenter.times.back(), 160u);
}

// However closely ticks follow each other, what was painted reaches the
// page within 8 ms.
TEST_F(PageLoopTest, NothingPaintedIsHeldForEightMillisecondsOrMore) {
    timer("A", 3);
    loop.start();
    for (std::uint64_t at = 3; at <= 30; at += 3) ringAt(at);
    EXPECT_EQ(presenter.times, (std::vector<std::uint64_t>{9, 21}));
}

}  // namespace
