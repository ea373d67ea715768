#pragma once

#include "Pcm.h"

#include <filesystem>

namespace sound {

// Reads a 16-bit WAV back through SDL, the way the game will load it.
Pcm loadWav(const std::filesystem::path& path);

}  // namespace sound
