#pragma once
#include <ostream>

#include "bench/Figures.h"

// The two loops' figures side by side, with the targets the frame loop must
// meet; a value that misses its target is marked with "*".
void printReport(std::ostream& out, const Figures& frame, const Figures& polling);
