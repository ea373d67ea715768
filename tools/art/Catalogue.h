#pragma once

#include <array>
#include <filesystem>

namespace art {

// The sizes of the icon theme's folders the program's icon is drawn for.
inline constexpr std::array<int, 6> kAppIconSizes{16, 32, 48, 64, 128, 256};

// Draws every picture the game loads and writes each as a bitmap into the
// folder, and the program's icons as PNG files into its subfolder icons/.
void writeAllPictures(const std::filesystem::path& folder);

// Writes the program's icon at each of the theme's sizes as orbitrove-SIZE.png.
void writeAppIcons(const std::filesystem::path& folder);

}  // namespace art
