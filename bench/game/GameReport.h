#pragma once
#include <ostream>

#include "bench/game/GameFigures.h"

// The figures against the targets of the whole game; a value that misses
// its target is marked with "*".
void printGameReport(std::ostream& out, const GameFigures& figures);
// Play on both displays, round by round, and the medians: Wayland's CPU
// against X11's, with its target.
void printDisplayComparison(std::ostream& out, const DisplayComparison& comparison);
