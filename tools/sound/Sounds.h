#pragma once

#include <filesystem>

namespace sound {

// Writes every sound the game loads: laser.wav, intro.mid and song.mid.
void writeSounds(const std::filesystem::path& folder);

}  // namespace sound
