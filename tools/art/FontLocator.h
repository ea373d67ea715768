#pragma once

#include <filesystem>
#include <string>

namespace art {

// The font file fontconfig picks for a pattern such as "Liberation Serif".
std::filesystem::path locateFont(const std::string& pattern);

}  // namespace art
