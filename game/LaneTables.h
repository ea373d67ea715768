#pragma once
#include <array>

// The constants that tell the lanes apart; otherwise every cargo lane and
// every laser lane runs the same procedure.
namespace lanes {

// Where the level start puts every crate, and where a lane returns its own.
constexpr int kCrateLaunchLeft = 552;
constexpr int kCrateReturnLeft = 551;
// A sprite whose left edge is below this after a move has left the field.
constexpr int kEscapeLeft = -50;
constexpr int kPenalty = 40;

// The ship's Top on which it catches each cargo lane's crate.
constexpr std::array<int, 8> kCatchRows = {33, 65, 97, 161, 193, 289, 321, 353};

struct LaserLane {
    int start;   // the beam's Left at the gun
    int step;    // pixels a tick
    int hitRow;  // the ship's Top on which the beam hits it
};
constexpr std::array<LaserLane, 4> kLaserLanes = {{{488, 2, 1}, {504, 3, 129}, {425, 3, 225}, {435, 2, 385}}};

}  // namespace lanes
