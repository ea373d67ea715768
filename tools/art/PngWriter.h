#pragma once

#include "Raster.h"

#include <filesystem>
#include <string>

namespace art {

// Writes pictures with an alpha channel as 8-bit RGBA PNG files into one
// folder, for the desktop's icon themes.
class PngWriter {
public:
    explicit PngWriter(std::filesystem::path folder);

    void write(const std::string& name, const Raster& raster) const;

private:
    std::filesystem::path folder_;
};

}  // namespace art
