#pragma once
#include <vector>

#include "frame/Canvas.h"

// The canvas as a BMP file's bytes: 24 bits a pixel, rows bottom up, each
// padded to four bytes, with the plain 40-byte info header.
std::vector<unsigned char> encodeBmp(const Canvas& canvas);
