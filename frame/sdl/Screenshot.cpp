// Screenshots of a canvas: PNG through libpng, BMP by the frame's own
// writer, each encoded in memory and then written by one careful writer.
#include "frame/sdl/Screenshot.h"

#include <png.h>

#include <vector>

#include "frame/BmpWriter.h"
#include "frame/FileAccess.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes rgbRows(const Canvas& canvas) {
    Bytes rows;
    rows.reserve(static_cast<std::size_t>(canvas.width()) * canvas.height() * 3);
    for (Rgb p : canvas.pixels()) {
        rows.push_back(static_cast<png_byte>(p >> 16));
        rows.push_back(static_cast<png_byte>(p >> 8));
        rows.push_back(static_cast<png_byte>(p));
    }
    return rows;
}

Bytes encodePng(const Canvas& canvas) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.width());
    image.height = static_cast<png_uint_32>(canvas.height());
    image.format = PNG_FORMAT_RGB;
    Bytes rows = rgbRows(canvas);
    png_alloc_size_t size = 0;
    Bytes bytes;
    if (png_image_write_to_memory(&image, nullptr, &size, 0, rows.data(), 0, nullptr)) {
        bytes.resize(size);
        if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rows.data(), 0, nullptr)) size = 0;
        bytes.resize(size);
    }
    png_image_free(&image);
    return bytes;
}

}  // namespace

bool saveImage(const Canvas& canvas, const std::string& path) {
    if (canvas.width() == 0 || canvas.height() == 0) return false;
    return replaceFile(path, namesBmp(path) ? encodeBmp(canvas) : encodePng(canvas));
}
