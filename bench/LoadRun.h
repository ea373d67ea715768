#pragma once
#include <chrono>

#include "bench/Figures.h"

enum class Loop { Frame, Polling };

struct RunLength {
    std::chrono::milliseconds warmUp;
    std::chrono::milliseconds measured;
};

// Runs the load in a real window on the display named by DISPLAY, driven by
// `loop`, and returns what was measured after the warm-up.
Figures measureLoop(Loop loop, RunLength length);
