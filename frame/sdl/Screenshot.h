#pragma once
#include <string>

#include "frame/Canvas.h"

// Writes the canvas as a PNG file, or as a BMP file when the name ends in
// ".bmp". Returns false when the file cannot be written.
bool saveImage(const Canvas& canvas, const std::string& path);
