#pragma once
#include <array>
#include <cstdint>

// The state of a game on the game screen; one record for the program run.
// Lanes are counted from 1 where the rules name them, so lane i lives at
// index i - 1.
struct GameState {
    std::int32_t Lives = 0;
    std::int32_t Score = 0;
    std::int32_t CrateValue = 0;
    std::int32_t Level = 0;
    // Level starts since the last reset; picks the speed.
    std::int32_t LevelStep = 0;
    // Pixels a crate moves per tick, and the row of the level table in force.
    std::int32_t Speed = 0;
    std::int32_t Caught = 0;
    bool Paused = false;
    // A lane's sprite has moved since it was last returned.
    std::array<bool, 8> CrateFlying{};
    std::array<bool, 4> LaserFlying{};
};
