#include "GameFixture.h"

#include "frame/Random.h"

namespace {

class CargoLaneTest : public GameFixture {};

TEST_F(CargoLaneTest, ACrateIsCaughtOnlyByItsLeftEdgeInsideTheShipsSpan) {
    steerTo(316, 33);
    Form2->Timer1->setEnabled(true);
    ticks(*Form2->Timer1, 190);
    EXPECT_EQ(Form2->bedna1->left(), 362);
    EXPECT_EQ(game().Caught, 0);
    EXPECT_TRUE(game().CrateFlying[0]);
    ticks(*Form2->Timer1, 1);
    EXPECT_EQ(game().Caught, 1);
    EXPECT_EQ(game().Score, 20);
    EXPECT_EQ(caption(Form2->Label41), "1");
    EXPECT_EQ(caption(Form2->score), "20");
    EXPECT_EQ(Form2->bedna1->left(), 551);
    EXPECT_TRUE(Form2->bedna1->visible());
    EXPECT_FALSE(Form2->Timer1->enabled());
    EXPECT_FALSE(game().CrateFlying[0]);
}

TEST_F(CargoLaneTest, TheShipsLeftEdgeAndNeighbouringRowsNeverCatch) {
    steerTo(226, 65);  // one row below lane 1's catch row
    Form2->Timer1->setEnabled(true);
    auto tickAfterPlacing = [&](int left) {
        Form2->bedna1->setLeft(left + 1);
        ticks(*Form2->Timer1, 1);
        return game().Caught;
    };
    EXPECT_EQ(tickAfterPlacing(250), 0);
    key(vk::Up);
    EXPECT_EQ(tickAfterPlacing(226), 0);  // the ship's left edge
    EXPECT_EQ(tickAfterPlacing(272), 0);  // right of its right edge
    EXPECT_EQ(tickAfterPlacing(227), 1);
}

TEST_F(CargoLaneTest, ACrateEscapesBelowMinusFiftyAndCostsALifeAndForty) {
    Form2->Timer8->setEnabled(true);
    ticks(*Form2->Timer8, 602);
    EXPECT_EQ(Form2->bedna8->left(), -50);
    EXPECT_EQ(game().Lives, 5);
    ticks(*Form2->Timer8, 1);
    EXPECT_EQ(Form2->bedna8->left(), 551);
    EXPECT_EQ(game().Lives, 4);
    EXPECT_EQ(game().Score, -40);
    EXPECT_FALSE(Form2->Timer8->enabled());
    Form2->Timer8->setEnabled(true);  // a later flight starts from 551
    ticks(*Form2->Timer8, 602);
    EXPECT_EQ(game().Lives, 3);
}

TEST_F(CargoLaneTest, LaneSevenMovesEverySixtyMilliseconds) {
    Form2->Timer7->setEnabled(true);
    advance(600);
    EXPECT_EQ(Form2->bedna7->left(), 552 - 10);
}

TEST_F(CargoLaneTest, TheDispatcherLaunchesTheDrawnLaneOnlyWhenIdle) {
    Form2->ridic->setEnabled(true);
    std::uint32_t seed = RandomSeed;
    std::size_t lane = static_cast<std::size_t>(RandomBelow(8));
    RandomSeed = seed;
    game().CrateFlying[lane] = true;  // drawn while flying: nothing this tick
    TTimer* movers[] = {Form2->Timer1, Form2->Timer2, Form2->Timer3, Form2->Timer4,
                        Form2->Timer5, Form2->Timer6, Form2->Timer7, Form2->Timer8};
    advance(3000);
    EXPECT_NE(RandomSeed, seed);
    for (TTimer* mover : movers) EXPECT_FALSE(mover->enabled());
    game().CrateFlying[lane] = false;
    RandomSeed = seed;
    advance(3000);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(movers[i]->enabled(), i == lane) << i;
}

class LaserLaneTest : public GameFixture {};

TEST_F(LaserLaneTest, TheShipAtTheStartIsHitAtTheRightEdgeAndTheShotSoundsOnce) {
    Form2->Timer9->setEnabled(true);
    ticks(*Form2->Timer9, 220);
    EXPECT_EQ(Form2->shape1->left(), 48);
    EXPECT_EQ(game().Lives, 5);
    EXPECT_TRUE(game().LaserFlying[0]);
    ticks(*Form2->Timer9, 1);
    EXPECT_EQ(Form2->shape1->left(), 488);
    EXPECT_EQ(game().Lives, 4);
    EXPECT_EQ(game().Score, -40);
    EXPECT_FALSE(Form2->Timer9->enabled());
    EXPECT_FALSE(game().LaserFlying[0]);
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 1);
}

TEST_F(LaserLaneTest, TheHitWindowIncludesTheShipsLeftEdge) {
    steerTo(361, 1);
    key(vk::Down);  // off the row while the beam comes
    Form2->Timer9->setEnabled(true);
    ticks(*Form2->Timer9, 64);
    EXPECT_EQ(Form2->shape1->left(), 360);
    Form2->shape1->setLeft(363);  // one tick brings it to 361, the ship's left edge
    key(vk::Up);
    ticks(*Form2->Timer9, 1);
    EXPECT_EQ(game().Lives, 4);
}

TEST_F(LaserLaneTest, ABeamThatMissesEscapesWithoutCostOrSound) {
    steerTo(1, 257);
    Form2->Timer10->setEnabled(true);
    ticks(*Form2->Timer10, 184);
    EXPECT_EQ(Form2->Shape2->left(), -48);
    ticks(*Form2->Timer10, 1);
    EXPECT_EQ(Form2->Shape2->left(), 504);
    EXPECT_FALSE(Form2->Timer10->enabled());
    EXPECT_EQ(game().Lives, 5);
    EXPECT_EQ(game().Score, 0);
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 1);
}

TEST_F(LaserLaneTest, TwoShotsWithinTheSoundMakeOneSoundAndALaterShotReplaysIt) {
    steerTo(1, 257);
    Form2->Timer11->setEnabled(true);
    Form2->Timer12->setEnabled(true);
    advance(20);
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 2);
    EXPECT_EQ(Form2->MediaPlayer1->position(), 0u);  // the second request continued the first
    advance(Form2->MediaPlayer1->length());
    EXPECT_FALSE(Form2->MediaPlayer1->playing());
    advance(5000);  // both beams have left the field
    Form2->Timer11->setEnabled(true);
    advance(40);
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 3);
    EXPECT_EQ(Form2->MediaPlayer1->position(), 20u);
}

}  // namespace
