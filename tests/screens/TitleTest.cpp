#include <gtest/gtest.h>

#include <vector>

#include "HeadlessProgram.h"

namespace {

// The program as started, on its title screen.
class TitleTest : public testing::Test, protected HeadlessProgram {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        application.showMainForm();
        application.processPending();
    }
    void pointer(InputEvent::Type type, Point at) {
        InputEvent event;
        event.type = type;
        event.pos = at;
        send(event, *Form1);
    }
    void clickAt(Point at) {
        pointer(InputEvent::Type::MouseDown, at);
        pointer(InputEvent::Type::MouseUp, at);
    }
};

TEST_F(TitleTest, TheTitleScreenIsTheMainWindowAndTheGameScreenWaitsHidden) {
    EXPECT_EQ(application.mainForm(), Form1);
    EXPECT_TRUE(Form1->visible());
    EXPECT_FALSE(Form2->visible());
    EXPECT_EQ(Form1->clientRect(), (Rect{0, 0, 632, 454}));
    const char* order[] = {"Image1", "exit",   "logo",   "start",        "start1",       "Image2", "Image3",
                           "Panel1", "Label1", "Panel2", "MediaPlayer2", "MediaPlayer1", "Timer1"};
    ASSERT_EQ(Form1->components().size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) EXPECT_EQ(Form1->components()[i]->name(), order[i]);
    EXPECT_EQ(Form1->start1->bounds(), (Rect{469, 8, 159, 115}));
    EXPECT_EQ(Form1->start->bounds(), (Rect{472, 8, 153, 113}));
    EXPECT_EQ(Form1->MediaPlayer2->display(), Form1->Panel2);
    EXPECT_EQ(Form1->Label1->parent(), Form1->Panel1);
}

TEST_F(TitleTest, TheIntroPlaysMusicAndVideoAndEndsAfterEightSecondsWithTheMusicGoingOn) {
    EXPECT_TRUE(Form1->MediaPlayer1->playing());
    EXPECT_TRUE(Form1->MediaPlayer2->playing());
    advance(3000);
    Rgb first = Form1->canvas().pixel(224, 184);
    bool moving = false;
    for (int y = 0; y < 112 && !moving; ++y)
        for (int x = 0; x < 184 && !moving; ++x) moving = Form1->canvas().pixel(224 + x, 184 + y) != first;
    EXPECT_TRUE(moving);  // the video shows in its panel
    advance(4999);
    EXPECT_TRUE(Form1->Panel1->visible());
    advance(1);
    EXPECT_FALSE(Form1->Panel1->visible());
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_TRUE(Form1->MediaPlayer1->playing());
    EXPECT_EQ(Form1->MediaPlayer1->stops(), 0);
}

TEST_F(TitleTest, SkippingStopsTheMusicButNotTheVideoAndTheTimerNeverFires) {
    advance(7990);
    click(*Form1->Label1);
    EXPECT_FALSE(Form1->Panel1->visible());
    EXPECT_FALSE(Form1->MediaPlayer1->playing());
    EXPECT_EQ(Form1->MediaPlayer1->stops(), 1);
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(Form1->MediaPlayer2->stops(), 0);
    Form1->Panel1->show();
    advance(100);
    EXPECT_TRUE(Form1->Panel1->visible());
}

TEST_F(TitleTest, ExitCannotBeReachedDuringTheIntroButEndsTheProgramAfterIt) {
    click(*Form1->exit);
    EXPECT_FALSE(application.terminated());
    advance(8000);
    click(*Form1->exit);
    EXPECT_TRUE(application.terminated());
}

TEST_F(TitleTest, TheStartButtonLightsUnderThePointerAndStartsTheGame) {
    advance(8000);
    pointer(InputEvent::Type::MouseMove, {480, 60});
    EXPECT_TRUE(Form1->start1->visible());
    pointer(InputEvent::Type::MouseMove, {300, 200});
    EXPECT_FALSE(Form1->start1->visible());
    pointer(InputEvent::Type::MouseMove, {548, 60});
    clickAt({548, 60});
    EXPECT_FALSE(Form1->visible());
    EXPECT_TRUE(Form2->visible());
    EXPECT_TRUE(Form2->Panel3->visible());
    EXPECT_EQ(Form2->Game.LevelStep, 0);
    EXPECT_EQ(Form2->Game.Level, 1);
    EXPECT_TRUE(Form2->MediaPlayer2->playing());
    advance(3000);
    EXPECT_EQ(Form2->Game.LevelStep, 1);
}

TEST_F(TitleTest, TheGameMusicSupersedesTheIntroMusicWhichDoesNotComeBack) {
    std::vector<TMPNotifyValues> notices;
    Form1->MediaPlayer1->OnNotify = [&](TComponent*) { notices.push_back(Form1->MediaPlayer1->notifyValue()); };
    advance(9000);
    Form1->start1Click(Form1->start1);
    EXPECT_TRUE(Form2->MediaPlayer2->playing());
    EXPECT_FALSE(Form1->MediaPlayer1->playing());
    EXPECT_EQ(notices, std::vector{TMPNotifyValues::nvSuperseded});
    EXPECT_EQ(Form1->MediaPlayer1->stops(), 0);
    // Past the intro's length, the game music's end and the timer's replay:
    // the intro music stays where the game music stopped it.
    advance(245000);
    EXPECT_EQ(Form2->MediaPlayer2->plays(), 2);
    EXPECT_FALSE(Form1->MediaPlayer1->playing());
    EXPECT_EQ(Form1->MediaPlayer1->position(), 9000u);
    EXPECT_EQ(Form1->MediaPlayer1->plays(), 1);
    EXPECT_EQ(notices.size(), 1u);
}

TEST_F(TitleTest, TheGameMusicStartsOverTheTitleAfter245Seconds) {
    advance(244999);
    EXPECT_EQ(Form2->MediaPlayer2->plays(), 0);
    advance(1);
    EXPECT_EQ(Form2->MediaPlayer2->plays(), 1);
    EXPECT_TRUE(Form2->MediaPlayer2->playing());
    EXPECT_FALSE(Form2->visible());
}

TEST_F(TitleTest, ClosingTheGameScreenEndsTheProgram) {
    Form1->start1Click(Form1->start1);
    Form2->close();
    application.processPending();
    EXPECT_TRUE(application.terminated());
}

}  // namespace
