#include "GameFixture.h"

namespace {

class PauseTest : public GameFixture {
protected:
    void pauseIcon() { click(*Form2->Image4); }
};

TEST_F(PauseTest, FlyingLanesFreezeAndResumeWhereTheyStoodAtTheirOwnPace) {
    steerTo(1, 257);
    Form2->ridic->setEnabled(true);
    Form2->Timer7->setEnabled(true);
    Form2->Timer9->setEnabled(true);
    advance(120);
    pauseIcon();
    EXPECT_TRUE(game().Paused);
    for (TTimer* timer : {Form2->ridic, Form2->ridic1, Form2->Timer13, Form2->Timer7, Form2->Timer9})
        EXPECT_FALSE(timer->enabled());
    int crate = Form2->bedna7->left();
    int beam = Form2->shape1->left();
    advance(5000);
    EXPECT_EQ(Form2->bedna7->left(), crate);
    EXPECT_EQ(Form2->shape1->left(), beam);
    pauseIcon();
    EXPECT_FALSE(game().Paused);
    EXPECT_TRUE(Form2->ridic->enabled());
    EXPECT_TRUE(Form2->ridic1->enabled());  // resuming always starts both dispatchers
    EXPECT_FALSE(Form2->Timer13->enabled());
    advance(59);
    EXPECT_EQ(Form2->bedna7->left(), crate);  // a full interval anew
    advance(1);
    EXPECT_EQ(Form2->bedna7->left(), crate - 1);
    EXPECT_EQ(Form2->shape1->left(), beam - 6);
    EXPECT_EQ(Form2->Timer7->interval(), 60u);
}

TEST_F(PauseTest, ALaneLaunchedButNotYetMovedFliesOnThroughThePause) {
    Form2->Timer9->setEnabled(true);
    advance(10);
    pauseIcon();
    EXPECT_TRUE(Form2->Timer9->enabled());
    advance(221 * 20);
    EXPECT_EQ(game().Lives, 4);  // it hit the motionless ship
    key(vk::Down);
    EXPECT_EQ(Form2->enemy->top(), 1);
}

TEST_F(PauseTest, ResumeDuringTheBannerRestartsTheLevelTimerAndTheSavedIntervals) {
    Form2->LevelCleared();
    pauseIcon();
    EXPECT_FALSE(Form2->Timer13->enabled());
    advance(10000);
    EXPECT_TRUE(Form2->Panel3->visible());
    pauseIcon();
    EXPECT_TRUE(Form2->Timer13->enabled());
    EXPECT_EQ(Form2->ridic->interval(), 3000u);
    advance(3000);
    EXPECT_FALSE(Form2->Panel3->visible());
    EXPECT_EQ(Form2->ridic->interval(), 2700u);
    // A new pause at this level saves the new row, which the resume restores.
    pauseIcon();
    pauseIcon();
    EXPECT_EQ(Form2->ridic->interval(), 2700u);
    EXPECT_EQ(Form2->ridic1->interval(), 1800u);
}

TEST_F(PauseTest, LanesFrozenByAClearedLevelRunOnAfterAPauseAndResume) {
    Form2->Timer3->setEnabled(true);
    advance(100);
    Form2->LevelCleared();
    EXPECT_FALSE(Form2->Timer3->enabled());
    pauseIcon();
    pauseIcon();
    EXPECT_TRUE(Form2->Timer3->enabled());
    EXPECT_TRUE(Form2->ridic->enabled());
}

// Before the first level start the speed is still 0: crates launched during
// the first banner stand still, beams fly; the level start then returns the
// crates and their movers carry them on at the level's speed.
TEST(FirstBannerPause, CratesStandStillUntilTheLevelStartsWhileBeamsFly) {
    HeadlessProgram program;
    ASSERT_TRUE(program.start());
    program.application.showMainForm();
    Form1->start1Click(Form1->start1);
    program.click(*Form2->Image4);
    program.click(*Form2->Image4);  // the resume starts both dispatchers under the banner
    EXPECT_TRUE(Form2->ridic->enabled());
    Form2->Timer4->setEnabled(true);
    Form2->Timer10->setEnabled(true);
    program.advance(1000);
    EXPECT_EQ(Form2->bedna4->left(), 551);
    EXPECT_LT(Form2->Shape2->left(), 504);
    program.advance(2000);  // the level start, 3000 ms after the resume
    EXPECT_EQ(Form2->Game.Speed, 1);
    EXPECT_TRUE(Form2->Timer4->enabled());
    program.advance(50);
    EXPECT_EQ(Form2->bedna4->left(), 551);
}

}  // namespace
