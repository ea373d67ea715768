#include "frame/sdl/BlockCopy.h"

#include <algorithm>
#include <cstring>

void copyBlocks(const Canvas& canvas, const Rect& from, std::uint8_t* target, int pitch, Point to, int scale) {
    auto rowBytes = static_cast<std::size_t>(from.width) * scale * sizeof(Rgb);
    for (int y = 0; y < from.height; ++y) {
        const Rgb* in = canvas.pixels().data() + static_cast<std::size_t>(from.y + y) * canvas.width() + from.x;
        std::uint8_t* first = target + static_cast<std::ptrdiff_t>(to.y + y * scale) * pitch + to.x * sizeof(Rgb);
        // The first row of blocks pixel by pixel, the others as copies of it.
        Rgb* out = reinterpret_cast<Rgb*>(first);
        if (scale == 1) std::memcpy(out, in, rowBytes);
        else
            for (int x = 0; x < from.width; ++x) out = std::fill_n(out, scale, in[x]);
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(first + static_cast<std::ptrdiff_t>(copy) * pitch, first, rowBytes);
    }
}
