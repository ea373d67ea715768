#pragma once
#include <ostream>

#include "bench/game/GameFigures.h"

// The figures against the targets of the whole game; a value that misses
// its target is marked with "*".
void printGameReport(std::ostream& out, const GameFigures& figures);
