#pragma once
#include <string>

#include "frame/PictureReader.h"

// Reads a BMP file of 1, 4, 8, 24 or 32 bits per pixel; throws Exception when
// it cannot.
Bitmap loadBitmap(const std::string& path);

// The back ends' picture decoder: BMP files through SDL, which needs no
// display.
class BmpReader : public PictureReader {
public:
    Bitmap read(const std::string& path) override { return loadBitmap(path); }
};
