#pragma once
#include <string>
#include <vector>

#include "frame/Canvas.h"

// The canvas as a BMP file's bytes: 24 bits a pixel, rows bottom up, each
// padded to four bytes, with the plain 40-byte info header. None for an
// empty canvas.
std::vector<unsigned char> encodeBmp(const Canvas& canvas);

// Whether a file's name asks for a BMP picture: it ends in ".bmp".
bool namesBmp(const std::string& path);
