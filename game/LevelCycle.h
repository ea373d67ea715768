#pragma once
#include <array>
#include <cstdint>

#include "game/GameState.h"
#include "game/GameView.h"

class Platform;

// One row of the level table: the target shown as "/N", and how often the
// two dispatchers launch.
struct LevelRow {
    const char* target;
    std::uint32_t crateInterval;
    std::uint32_t laserInterval;
};
// Row r (1 to 10) applies while Speed is r.
extern const std::array<LevelRow, 10> LevelTable;

// The cycle of levels: the banner, the level start, the end of a level, the
// end of the game by victory or by losing every life, and new games.
class LevelCycle {
public:
    LevelCycle(GameState& state, GameView& view) : state_(state), view_(view) {}

    void screenCreated(Platform& platform);
    void screenShown();
    void levelStart();
    void GameOver();
    void LevelCleared();
    void Victory();
    // "/" and the counter reads the same as the level's target.
    bool levelClearedTest() const;
    void newGameAfterGameOver();
    void newGameAfterVictory();
    // `zivoty` and `score` show Lives and Score.
    void showLivesAndScore();

private:
    void newGame();
    void stopTimers();
    void stopLaneMovers();
    void stopDispatchers();
    void applyLevelRow();
    void resetSprites();

    GameState& state_;
    GameView& view_;
};
