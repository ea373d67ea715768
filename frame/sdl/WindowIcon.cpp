#include "frame/sdl/WindowIcon.h"

#include <png.h>

WindowIcon::WindowIcon(const std::string& path) {
    if (path.empty()) return;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return;
    image.format = PNG_FORMAT_RGBA;
    pixels_.resize(static_cast<std::size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels_.data(), 0, nullptr)) {
        png_image_free(&image);
        pixels_.clear();
        return;
    }
    int width = static_cast<int>(image.width), height = static_cast<int>(image.height);
    surface_ = SDL_CreateRGBSurfaceWithFormatFrom(pixels_.data(), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
}

WindowIcon::~WindowIcon() {
    if (surface_) SDL_FreeSurface(surface_);
}
