#include "GameFixture.h"

namespace {

class FirstBanner : public ScreenFixture {};

TEST_F(FirstBanner, TheScreenStartsAGameWithTheBannerAndEmptyStatus) {
    EXPECT_EQ(Form2->Game.Lives, 5);
    EXPECT_EQ(Form2->Game.Score, 0);
    EXPECT_EQ(Form2->Game.CrateValue, 20);
    EXPECT_EQ(Form2->Game.Level, 1);
    EXPECT_FALSE(Form2->Game.Paused);
    EXPECT_TRUE(Form2->Timer13->enabled());
    EXPECT_TRUE(Form2->Panel3->visible());
    for (TLabel* label : {Form2->zivoty, Form2->score, Form2->Label41, Form2->Label42}) EXPECT_EQ(label->caption(), "");
    advance(2999);
    EXPECT_TRUE(Form2->Panel3->visible());
    advance(1);
    EXPECT_FALSE(Form2->Panel3->visible());
}

class LevelCycleTest : public GameFixture {
protected:
    // Lane 1's crate, launched with the ship waiting at the end of its row.
    void catchOneCrate() {
        steerTo(316, 33);
        Form2->Timer1->setEnabled(true);
        ticks(*Form2->Timer1, 552 - 361);
    }
    // Cargo and laser lanes each check for the end on their own ticks: either
    // kind alone ends the game, and its tick goes on with its move.
    void expectTheSecondTickEndsTheGame(TTimer& mover, const TControl& moved, int leftAfterTwoTicks) {
        mover.setEnabled(true);
        advance(mover.interval());
        Form2->Game.Lives = 0;
        Form2->Game.Score = 180;
        advance(mover.interval());
        EXPECT_TRUE(Form2->Panel3->visible());
        EXPECT_EQ(Form2->Label5->caption(), "game over");
        EXPECT_EQ(Form2->Label10->caption(), "180");
        EXPECT_TRUE(Form2->Label10->visible());
        EXPECT_TRUE(Form2->Panel8->visible());
        for (TLabel* label : {Form2->Label7, Form2->Label8}) {
            EXPECT_TRUE(label->visible());
            EXPECT_TRUE(label->enabled());
        }
        EXPECT_EQ(moved.left(), leftAfterTwoTicks);
        for (TTimer* timer : {&mover, Form2->ridic, Form2->ridic1, Form2->Timer13}) EXPECT_FALSE(timer->enabled());
    }
};

TEST_F(LevelCycleTest, TheLevelStartAppliesTheFirstRowAndShowsTheStatus) {
    EXPECT_EQ(game().LevelStep, 1);
    EXPECT_EQ(game().Speed, 1);
    EXPECT_EQ(caption(Form2->Label42), "/8");
    EXPECT_EQ(caption(Form2->Label41), "0");
    EXPECT_EQ(caption(Form2->zivoty), "5");
    EXPECT_EQ(caption(Form2->score), "0");
    EXPECT_EQ(caption(Form2->Label1), "Level:1");
    EXPECT_EQ(Form2->ridic->interval(), 3000u);
    EXPECT_EQ(Form2->ridic1->interval(), 2000u);
    EXPECT_FALSE(Form2->Timer13->enabled());
    EXPECT_EQ(Form2->enemy->left(), 1);
    EXPECT_EQ(Form2->enemy->top(), 1);
}

TEST_F(LevelCycleTest, EachClearedLevelBringsTheNextRowOfTheTable) {
    const struct {
        const char* target;
        std::uint32_t crates, lasers;
    } rows[] = {{"/16", 2700, 1800}, {"/24", 2500, 1700}, {"/32", 2000, 1500}, {"/40", 1800, 1300}, {"/42", 1600, 1200},
                {"/44", 1500, 1100}, {"/45", 1400, 1100}, {"/46", 1350, 1100}, {"/50", 1300, 1000}};
    int level = 2;
    for (const auto& row : rows) {
        SCOPED_TRACE(level);
        Form2->LevelCleared();
        EXPECT_EQ(caption(Form2->Label5), "Level " + std::to_string(level));
        EXPECT_EQ(caption(Form2->Label41), "0");
        EXPECT_FALSE(Form2->ridic->enabled());
        advance(3000);
        EXPECT_EQ(game().Speed, level);
        EXPECT_EQ(caption(Form2->Label42), row.target);
        EXPECT_EQ(Form2->ridic->interval(), row.crates);
        EXPECT_EQ(Form2->ridic1->interval(), row.lasers);
        EXPECT_EQ(caption(Form2->Label1), "Level:" + std::to_string(level));
        ++level;
    }
}

TEST_F(LevelCycleTest, TheCatchThatReachesTheTargetClearsTheLevelInItsTick) {
    game().Caught = 7;
    Form2->Label41->setCaption("7");
    Form2->Timer2->setEnabled(true);  // a second crate in flight, frozen by the clear
    catchOneCrate();
    EXPECT_EQ(game().Caught, 8);
    EXPECT_TRUE(Form2->Panel3->visible());
    EXPECT_EQ(caption(Form2->Label5), "Level 2");
    EXPECT_EQ(caption(Form2->Label41), "0");
    EXPECT_TRUE(Form2->Timer13->enabled());
    EXPECT_FALSE(Form2->Timer2->enabled());
    EXPECT_TRUE(game().CrateFlying[1]);
    EXPECT_EQ(Form2->bedna2->left(), 362);  // its tick due at the same instant came after the clear
    advance(3000);                          // the next level start returns every crate and clears the flags
    EXPECT_EQ(Form2->bedna2->left(), 552);
    EXPECT_FALSE(game().CrateFlying[1]);
    EXPECT_EQ(game().Caught, 0);
}

TEST_F(LevelCycleTest, ClearingTheTenthLevelShowsTheVictoryPanelAtOnce) {
    game().Level = 10;
    game().Caught = 49;
    Form2->Label41->setCaption("49");
    Form2->Label42->setCaption("/50");
    catchOneCrate();
    EXPECT_EQ(game().Level, 11);
    EXPECT_TRUE(Form2->Panel7->visible());
    EXPECT_TRUE(Form2->Panel3->visible());
    EXPECT_EQ(caption(Form2->Label5), "Level 11");
    EXPECT_EQ(caption(Form2->Label12), "20");
    EXPECT_FALSE(Form2->Timer13->enabled());
    advance(10000);
    EXPECT_EQ(game().LevelStep, 1);  // level 11 never starts
}

TEST_F(LevelCycleTest, ACargoTickWithNoLivesLeftEndsTheGameAndStillMoves) {
    expectTheSecondTickEndsTheGame(*Form2->Timer1, *Form2->bedna1, 552 - 2);
}

TEST_F(LevelCycleTest, ALaserTickWithNoLivesLeftEndsTheGameAndStillMoves) {
    expectTheSecondTickEndsTheGame(*Form2->Timer9, *Form2->shape1, 488 - 4);
}

TEST_F(LevelCycleTest, NewGameFromTheGameOverBannerStartsLevelOneThreeSecondsLater) {
    game().Lives = 0;
    Form2->GameOver();
    game().Score = -120;
    click(*Form2->Label8);
    EXPECT_EQ(caption(Form2->Label5), "Level 1");
    EXPECT_FALSE(Form2->Panel8->visible());
    EXPECT_FALSE(Form2->Label10->visible());
    EXPECT_FALSE(Form2->Label8->visible());
    EXPECT_FALSE(Form2->Label7->enabled());
    EXPECT_EQ(game().Lives, 5);
    EXPECT_EQ(game().Score, 0);
    EXPECT_TRUE(Form2->Panel3->visible());
    advance(3000);
    EXPECT_FALSE(Form2->Panel3->visible());
    EXPECT_EQ(game().LevelStep, 1);
    EXPECT_EQ(caption(Form2->Label42), "/8");
    EXPECT_EQ(caption(Form2->zivoty), "5");
}

TEST_F(LevelCycleTest, NewGameFromTheVictoryPanel) {
    game().Level = 11;
    game().Score = 5000;
    Form2->Victory();
    Form2->Panel3->show();
    click(*Form2->Label9);
    EXPECT_FALSE(Form2->Panel7->visible());
    EXPECT_TRUE(Form2->Panel3->visible());
    EXPECT_EQ(caption(Form2->Label12), "");
    EXPECT_EQ(game().Level, 1);
    EXPECT_EQ(game().Score, 0);
    advance(3000);
    EXPECT_EQ(caption(Form2->Label1), "Level:1");
    EXPECT_EQ(game().Speed, 1);
}

// The status labels show Lives and Score as soon as they change.
class StatusLabelTest : public GameFixture {
protected:
    void expectStatus(const char* lives, const char* score) {
        EXPECT_EQ(caption(Form2->zivoty), lives);
        EXPECT_EQ(caption(Form2->score), score);
    }
};

TEST_F(StatusLabelTest, AnEscapeShowsTheLostLifeAndPenaltyInItsTick) {
    Form2->Timer8->setEnabled(true);
    ticks(*Form2->Timer8, 602);
    expectStatus("5", "0");
    ticks(*Form2->Timer8, 1);
    EXPECT_EQ(game().Lives, 4);
    expectStatus("4", "-40");
}

TEST_F(StatusLabelTest, AHitShowsTheLostLifeAndPenaltyInItsTick) {
    Form2->Timer9->setEnabled(true);
    ticks(*Form2->Timer9, 220);
    expectStatus("5", "0");
    ticks(*Form2->Timer9, 1);
    EXPECT_EQ(game().Lives, 4);
    expectStatus("4", "-40");
}

TEST_F(StatusLabelTest, ACatchShowsTheScoreAndTheLivesItLeaves) {
    game().Lives = 3;
    game().Score = -80;
    steerTo(316, 33);
    Form2->Timer1->setEnabled(true);
    ticks(*Form2->Timer1, 191);
    expectStatus("3", "-60");
}

TEST_F(StatusLabelTest, ANewGameShowsFiveLivesAndNoPointsUnderItsBanner) {
    game().Lives = 0;
    game().Score = -120;
    Form2->GameOver();
    click(*Form2->Label8);
    EXPECT_TRUE(Form2->Panel3->visible());
    expectStatus("5", "0");
    game().Lives = 2;
    game().Score = 900;
    game().Level = 11;
    Form2->Victory();
    Form2->zivoty->setCaption("2");
    click(*Form2->Label9);
    expectStatus("5", "0");
}

// Past the tenth level step the speed keeps its value and the tenth row is
// applied again (no game reaches it since a resume no longer starts the
// level-start timer under the game-over banner).
TEST_F(LevelCycleTest, PastTheTenthStepTheLastRowStaysInForce) {
    game().LevelStep = 10;
    game().Speed = 10;
    Form2->LevelCleared();
    advance(3000);
    EXPECT_EQ(game().LevelStep, 11);
    EXPECT_EQ(game().Speed, 10);
    EXPECT_EQ(caption(Form2->Label42), "/50");
    EXPECT_EQ(Form2->ridic->interval(), 1300u);
}

}  // namespace
