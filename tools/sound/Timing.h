#pragma once

namespace sound {

// All music here is in 4/4, placed on a grid of sixteenth-note steps.
constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerStep = kTicksPerQuarter / 4;
constexpr int kStepsPerBeat = 4;
constexpr int kStepsPerBar = 16;
constexpr int kTicksPerBar = kTicksPerStep * kStepsPerBar;

constexpr int barTick(int bar, int step = 0) { return bar * kTicksPerBar + step * kTicksPerStep; }

}  // namespace sound
