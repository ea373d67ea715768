#pragma once

#include <filesystem>

namespace art {

// Draws every picture the game loads and writes each as a bitmap into the folder.
void writeAllPictures(const std::filesystem::path& folder);

}  // namespace art
