#pragma once
#include <memory>

#include "main/SimulatorServices.h"

// The simulator's command line: `orbitrove-sim [SCRIPT]`, the script from
// the file or else standard input; the exit status.
int simulatorMain(int argc, char** argv, std::unique_ptr<SimulatorServices> services);
