#include "GameFixture.h"

namespace {

// The timers a pause holds: both dispatchers, the level start and the twelve
// lane movers.
std::vector<TTimer*> pausable() {
    return {Form2->ridic,  Form2->ridic1, Form2->Timer13, Form2->Timer1,  Form2->Timer2,
            Form2->Timer3, Form2->Timer4, Form2->Timer5,  Form2->Timer6,  Form2->Timer7,
            Form2->Timer8, Form2->Timer9, Form2->Timer10, Form2->Timer11, Form2->Timer12};
}

std::vector<TTimer*> running() {
    std::vector<TTimer*> on;
    for (TTimer* timer : pausable())
        if (timer->enabled()) on.push_back(timer);
    return on;
}

class PauseTest : public GameFixture {
protected:
    void pauseIcon() { click(*Form2->Image4); }
};

// Pause and resume in play.

TEST_F(PauseTest, FlyingLanesFreezeAndResumeWhereTheyStoodAtTheirOwnPace) {
    steerTo(1, 257);
    Form2->ridic->setEnabled(true);
    Form2->Timer7->setEnabled(true);
    Form2->Timer9->setEnabled(true);
    advance(120);
    pauseIcon();
    EXPECT_TRUE(game().Paused);
    EXPECT_TRUE(running().empty());
    int crate = Form2->bedna7->left();
    int beam = Form2->shape1->left();
    advance(5000);
    EXPECT_EQ(Form2->bedna7->left(), crate);
    EXPECT_EQ(Form2->shape1->left(), beam);
    pauseIcon();
    EXPECT_FALSE(game().Paused);
    EXPECT_EQ(running(), (std::vector<TTimer*>{Form2->ridic, Form2->Timer7, Form2->Timer9}));
    advance(59);
    EXPECT_EQ(Form2->bedna7->left(), crate);  // a full interval anew
    advance(1);
    EXPECT_EQ(Form2->bedna7->left(), crate - 1);
    EXPECT_EQ(Form2->shape1->left(), beam - 6);
    EXPECT_EQ(Form2->Timer7->interval(), 60u);
}

TEST_F(PauseTest, ALaneLaunchedOneMillisecondBeforeThePauseStaysPut) {
    Form2->Timer9->setEnabled(true);  // the ship stands on lane 1's row
    Form2->Timer8->setEnabled(true);
    advance(19);
    pauseIcon();
    EXPECT_FALSE(game().LaserFlying[0]);
    EXPECT_TRUE(running().empty());
    advance(60000);
    EXPECT_EQ(Form2->shape1->left(), 488);
    EXPECT_EQ(Form2->bedna8->left(), 552);
    EXPECT_EQ(game().Lives, 5);
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 0);
    key(vk::Down);
    EXPECT_EQ(Form2->enemy->top(), 1);  // the arrow keys stay dead
    pauseIcon();
    EXPECT_EQ(running(), (std::vector<TTimer*>{Form2->Timer8, Form2->Timer9}));
    advance(19);
    EXPECT_EQ(Form2->shape1->left(), 488);
    advance(1);
    EXPECT_EQ(Form2->shape1->left(), 486);
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 1);
    advance(30);
    EXPECT_EQ(Form2->bedna8->left(), 551);
}

TEST_F(PauseTest, IntervalsAreNeitherSavedNorRestored) {
    Form2->ridic->setEnabled(true);
    Form2->ridic1->setEnabled(true);
    pauseIcon();
    Form2->ridic->setInterval(2700);  // as a level start would
    Form2->ridic1->setInterval(1800);
    pauseIcon();
    EXPECT_EQ(Form2->ridic->interval(), 2700u);
    EXPECT_EQ(Form2->ridic1->interval(), 1800u);
    for (TTimer* mover : {Form2->Timer1, Form2->Timer7, Form2->Timer9})
        EXPECT_EQ(mover->interval(), mover == Form2->Timer7 ? 60u : mover == Form2->Timer9 ? 20u : 50u);
}

TEST_F(PauseTest, TheMusicAndItsRepeatTimerPlayOnAndTheIconStays) {
    Form2->ridic->setEnabled(true);
    auto icon = [this] {
        Point at = Form2->Image4->screenOffset();
        std::vector<Rgb> pixels;
        for (int y = 0; y < Form2->Image4->height(); ++y)
            for (int x = 0; x < Form2->Image4->width(); ++x) pixels.push_back(pixel(at.x + x, at.y + y));
        return pixels;
    };
    std::vector<Rgb> before = icon();
    std::uint64_t position = Form2->MediaPlayer2->position();
    int stops = Form2->MediaPlayer2->stops();
    pauseIcon();
    EXPECT_TRUE(Form2->Timer14->enabled());
    EXPECT_TRUE(Form2->MediaPlayer2->playing());
    advance(1000);
    EXPECT_EQ(Form2->MediaPlayer2->position(), position + 1000);
    EXPECT_EQ(Form2->MediaPlayer2->stops(), stops);
    EXPECT_TRUE(icon() == before);
}

// Pause and resume in the level banner.

TEST_F(PauseTest, InTheBannerOnlyTheLevelStartIsHeldAndRunsAFullIntervalAfterTheResume) {
    Form2->LevelCleared();
    advance(1000);
    pauseIcon();
    EXPECT_TRUE(running().empty());
    advance(10000);
    EXPECT_TRUE(Form2->Panel3->visible());
    pauseIcon();
    EXPECT_EQ(running(), std::vector<TTimer*>{Form2->Timer13});
    advance(2999);
    EXPECT_TRUE(Form2->Panel3->visible());
    EXPECT_FALSE(Form2->Timer1->enabled());
    advance(1);
    EXPECT_FALSE(Form2->Panel3->visible());
    EXPECT_EQ(game().Level, 2);
    EXPECT_EQ(Form2->ridic->interval(), 2700u);
    EXPECT_EQ(Form2->ridic1->interval(), 1800u);
}

TEST_F(PauseTest, LanesFrozenByAClearedLevelStayFrozenThroughAPauseAndResume) {
    Form2->Timer3->setEnabled(true);
    Form2->Timer10->setEnabled(true);
    advance(100);
    Form2->LevelCleared();
    int crate = Form2->bedna3->left();
    pauseIcon();
    pauseIcon();
    EXPECT_EQ(running(), std::vector<TTimer*>{Form2->Timer13});
    advance(2999);
    EXPECT_EQ(Form2->bedna3->left(), crate);
    advance(1);  // the level start returns them, idle
    EXPECT_EQ(Form2->bedna3->left(), 552);
    EXPECT_EQ(Form2->Shape2->left(), 504);
    EXPECT_FALSE(Form2->Timer3->enabled());
    EXPECT_FALSE(Form2->Timer10->enabled());
}

// At the first banner the speed is still 0 and the ship stands on laser lane
// 1's row; a pause and resume starts neither dispatcher.
TEST(FirstBannerPause, OnlyTheLevelStartRunsOnAfterTheResume) {
    HeadlessProgram program;
    ASSERT_TRUE(program.start());
    program.application.showMainForm();
    Form1->start1Click(Form1->start1);
    program.advance(1000);
    program.click(*Form2->Image4);
    program.advance(5000);
    program.click(*Form2->Image4);
    EXPECT_EQ(running(), std::vector<TTimer*>{Form2->Timer13});
    program.advance(2999);
    EXPECT_TRUE(Form2->Panel3->visible());
    EXPECT_EQ(Form2->Game.Lives, 5);
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 0);
    program.advance(1);
    EXPECT_FALSE(Form2->Panel3->visible());
    EXPECT_EQ(Form2->Game.Speed, 1);
    EXPECT_EQ(Form2->ridic->interval(), 3000u);
}

// Pause and resume at the end of a game: nothing starts.

TEST_F(PauseTest, AtGameOverNothingStartsAndTheGameStaysOver) {
    for (int lives : {0, -1}) {
        SCOPED_TRACE(lives);
        game().Lives = lives;
        Form2->GameOver();
        pauseIcon();
        pauseIcon();
        EXPECT_FALSE(game().Paused);
        EXPECT_TRUE(running().empty());
        advance(20000);
        EXPECT_EQ(game().Lives, lives);
        EXPECT_EQ(game().LevelStep, 1);
        EXPECT_TRUE(Form2->Panel3->visible());
        EXPECT_TRUE(Form2->Panel8->visible());
        EXPECT_EQ(caption(Form2->Label5), "game over");
    }
}

TEST_F(PauseTest, AtVictoryNothingStarts) {
    Form2->Timer2->setEnabled(true);
    advance(50);
    game().Level = 11;
    Form2->Victory();
    Form2->Panel3->show();
    pauseIcon();
    pauseIcon();
    EXPECT_TRUE(running().empty());
    int crate = Form2->bedna2->left();
    advance(20000);
    EXPECT_EQ(Form2->bedna2->left(), crate);
    EXPECT_EQ(game().LevelStep, 1);
    EXPECT_TRUE(Form2->Panel7->visible());
}

// A new game is never paused.

TEST_F(PauseTest, ANewGameFromTheGameOverBannerWhilePausedRunsWithLiveKeys) {
    game().Lives = 0;
    Form2->GameOver();
    Form2->LevelCleared();  // the same tick reached the target: the level start runs
    pauseIcon();
    EXPECT_FALSE(Form2->Timer13->enabled());
    click(*Form2->Label8);
    EXPECT_FALSE(game().Paused);
    advance(3000);
    EXPECT_FALSE(Form2->Panel3->visible());
    EXPECT_EQ(Form2->ridic->interval(), 3000u);
    key(vk::Down);
    EXPECT_EQ(Form2->enemy->top(), 33);
    pauseIcon();  // the next click pauses
    EXPECT_TRUE(game().Paused);
    EXPECT_TRUE(running().empty());
}

TEST_F(PauseTest, ANewGameFromTheVictoryPanelWhilePausedRunsWithLiveKeys) {
    game().Level = 11;
    Form2->Victory();
    Form2->Panel3->show();
    pauseIcon();
    click(*Form2->Label9);
    EXPECT_FALSE(game().Paused);
    advance(3000);
    EXPECT_EQ(running(), (std::vector<TTimer*>{Form2->ridic, Form2->ridic1}));
    key(vk::Right);
    EXPECT_EQ(Form2->enemy->left(), 46);
    pauseIcon();
    EXPECT_TRUE(game().Paused);
    pauseIcon();
    EXPECT_EQ(running(), (std::vector<TTimer*>{Form2->ridic, Form2->ridic1}));
}

}  // namespace
