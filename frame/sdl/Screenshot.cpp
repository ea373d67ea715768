// Screenshots of a canvas: PNG through libpng, BMP through SDL.
#include "frame/sdl/Screenshot.h"

#include <SDL.h>
#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool saveBmp(const Canvas& canvas, const std::string& path) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Rgb*>(canvas.pixels().data()), canvas.width(), canvas.height(),
                                           32, canvas.width() * 4, SDL_PIXELFORMAT_RGB888);
    if (!surface) return false;
    bool ok = SDL_SaveBMP(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return ok;
}

std::vector<png_byte> rgbRows(const Canvas& canvas) {
    std::vector<png_byte> rows;
    rows.reserve(static_cast<std::size_t>(canvas.width()) * canvas.height() * 3);
    for (Rgb p : canvas.pixels()) {
        rows.push_back(static_cast<png_byte>(p >> 16));
        rows.push_back(static_cast<png_byte>(p >> 8));
        rows.push_back(static_cast<png_byte>(p));
    }
    return rows;
}

bool savePng(const Canvas& canvas, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.width());
    image.height = static_cast<png_uint_32>(canvas.height());
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rows = rgbRows(canvas);
    bool ok = png_image_write_to_file(&image, path.c_str(), 0, rows.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

}  // namespace

bool saveImage(const Canvas& canvas, const std::string& path) {
    if (canvas.width() == 0 || canvas.height() == 0) return false;
    return endsWith(path, ".bmp") ? saveBmp(canvas, path) : savePng(canvas, path);
}
