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
    int ends = 0;
    PageLoop loop{application, alarm, [this] { ++ends; }};
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

}  // namespace
