#pragma once
#include <cstdint>

#include "frame/Canvas.h"

// Copies the rectangle `from` of the canvas into a surface of 0x00RRGGBB
// pixels, each canvas pixel as a block of scale x scale, the first at `to`.
// The nearest-neighbour scaling by a whole number, exact by construction and
// at the speed of copying memory, which SDL's general blitters are not. The
// target must hold the whole scaled rectangle; `pitch` is its row length in
// bytes.
void copyBlocks(const Canvas& canvas, const Rect& from, std::uint8_t* target, int pitch, Point to, int scale);
