#include "game/LevelCycle.h"

#include <string>

#include "frame/Random.h"
#include "game/LaneTables.h"

const std::array<LevelRow, 10> LevelTable = {{
    {"/8", 3000, 2000},
    {"/16", 2700, 1800},
    {"/24", 2500, 1700},
    {"/32", 2000, 1500},
    {"/40", 1800, 1300},
    {"/42", 1600, 1200},
    {"/44", 1500, 1100},
    {"/45", 1400, 1100},
    {"/46", 1350, 1100},
    {"/50", 1300, 1000},
}};

void LevelCycle::screenCreated(Platform& platform) {
    SeedRandom(platform);
    state_.Score = 0;
    state_.CrateValue = 20;
    state_.Lives = 5;
}

void LevelCycle::screenShown() {
    view_.music->setEnabled(true);
    view_.music->Play();
    view_.levelStart->setEnabled(true);
    state_.Level = 1;
    state_.Paused = false;
}

void LevelCycle::levelStart() {
    view_.ship->setLeft(1);
    view_.ship->setTop(1);
    view_.banner->hide();
    state_.Caught = 0;
    view_.caught->setCaption(std::to_string(state_.Caught));
    ++state_.LevelStep;
    showLivesAndScore();
    if (state_.LevelStep >= 1 && state_.LevelStep <= 10) state_.Speed = state_.LevelStep;
    applyLevelRow();
    view_.level->setCaption("Level:" + std::to_string(state_.Level));
    view_.crateDispatcher->setEnabled(true);
    view_.laserDispatcher->setEnabled(true);
    state_.CrateFlying.fill(false);
    state_.LaserFlying.fill(false);
    view_.levelStart->setEnabled(false);
    resetSprites();
}

void LevelCycle::applyLevelRow() {
    if (state_.Speed < 1 || state_.Speed > 10) return;
    const LevelRow& row = LevelTable[static_cast<std::size_t>(state_.Speed - 1)];
    view_.target->setCaption(row.target);
    view_.crateDispatcher->setInterval(row.crateInterval);
    view_.laserDispatcher->setInterval(row.laserInterval);
}

void LevelCycle::resetSprites() {
    for (auto& lane : view_.cargo) lane.crate->setLeft(lanes::kCrateLaunchLeft);
    for (std::size_t j = 0; j < view_.lasers.size(); ++j) view_.lasers[j].beam->setLeft(lanes::kLaserLanes[j].start);
}

void LevelCycle::stopLaneMovers() {
    for (auto& lane : view_.cargo) lane.mover->setEnabled(false);
    for (auto& lane : view_.lasers) lane.mover->setEnabled(false);
}

void LevelCycle::stopTimers() {
    for (TTimer* timer : view_.timers()) timer->setEnabled(false);
}

void LevelCycle::stopDispatchers() {
    view_.crateDispatcher->setEnabled(false);
    view_.laserDispatcher->setEnabled(false);
}

void LevelCycle::GameOver() {
    view_.banner->show();
    view_.finalScore->setCaption(std::to_string(state_.Score));
    view_.finalScore->show();
    view_.bannerText->setCaption("game over");
    view_.storyPanel->show();
    stopTimers();
    for (TLabel* label : {view_.quit, view_.newGame}) {
        label->show();
        label->setEnabled(true);
    }
}

void LevelCycle::LevelCleared() {
    stopLaneMovers();
    view_.banner->show();
    view_.levelStart->setEnabled(true);
    ++state_.Level;
    view_.bannerText->setCaption("Level " + std::to_string(state_.Level));
    view_.caught->setCaption("0");
    stopDispatchers();
}

void LevelCycle::Victory() {
    view_.victoryPanel->show();
    view_.victoryScore->setCaption(std::to_string(state_.Score));
    stopTimers();
}

void LevelCycle::showLivesAndScore() {
    view_.lives->setCaption(std::to_string(state_.Lives));
    view_.score->setCaption(std::to_string(state_.Score));
}

bool LevelCycle::levelClearedTest() const { return "/" + view_.caught->caption() == view_.target->caption(); }

// Both new games: the banner reads "Level 1" and the level starts 3000 ms
// later, never paused. Ship, crates and beams are left to the level start.
void LevelCycle::newGame() {
    view_.finalScore->hide();
    view_.bannerText->setCaption("Level 1");
    view_.levelStart->setEnabled(true);
    state_.Lives = 5;
    state_.Score = 0;
    state_.Level = 1;
    state_.LevelStep = 0;
    state_.Caught = 0;
    showLivesAndScore();
    state_.Paused = false;
}

void LevelCycle::newGameAfterGameOver() {
    view_.storyPanel->hide();
    for (TLabel* label : {view_.quit, view_.newGame}) {
        label->hide();
        label->setEnabled(false);
    }
    newGame();
}

void LevelCycle::newGameAfterVictory() {
    view_.victoryPanel->hide();
    view_.banner->show();
    view_.victoryScore->setCaption("");
    newGame();
}
