#pragma once
#include <memory>

#include "main/SimulatorServices.h"

// The game's own libraries: SDL2_ttf's text, SDL's BMP pictures, the media
// libraries' reader, and shots as PNG or BMP.
std::unique_ptr<SimulatorServices> libraryServices();
