#pragma once

#include "Grid.h"

#include <filesystem>
#include <string>

namespace art {

// Writes uncompressed Windows bitmaps into one folder. Indexed pictures are
// written at 4 or 8 bits per pixel with a full 16- or 256-entry palette.
class BmpWriter {
public:
    explicit BmpWriter(std::filesystem::path folder);

    void writeTrueColor(const std::string& name, const RgbImage& image) const;
    void writeIndexed(const std::string& name, const IndexedImage& image, int bitsPerPixel) const;

private:
    std::filesystem::path folder_;
};

}  // namespace art
