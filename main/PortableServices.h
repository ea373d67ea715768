#pragma once
#include <memory>

#include "main/SimulatorServices.h"

// The program's own code alone, for builds without the libraries (the web):
// the box typesetter, pictures blank at their headers' size, media measured
// by their headers, and shots as BMP only. What the simulator prints is
// what it prints with the libraries, but for text sizes.
std::unique_ptr<SimulatorServices> portableServices();
