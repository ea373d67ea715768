// BMP reading through SDL, which handles every depth the game's art uses.
#include <SDL.h>

#include "frame/Exception.h"
#include "frame/sdl/BmpFile.h"

Bitmap loadBitmap(const std::string& path) {
    SDL_RWops* stream = SDL_RWFromFile(path.c_str(), "rb");
    if (!stream) throw Exception("EInvalidGraphic", "Cannot open picture " + path);
    SDL_Surface* file = SDL_LoadBMP_RW(stream, 1);
    if (!file) throw Exception("EInvalidGraphic", "Cannot read picture " + path + ": " + SDL_GetError());
    Bitmap bitmap;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(file, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(file);
    if (!rgb) throw Exception("EInvalidGraphic", "Cannot convert picture " + path);
    bitmap.width = rgb->w;
    bitmap.height = rgb->h;
    bitmap.pixels.resize(static_cast<std::size_t>(rgb->w) * rgb->h);
    for (int y = 0; y < rgb->h; ++y) {
        auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(rgb->pixels) + y * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) bitmap.pixels[static_cast<std::size_t>(y) * rgb->w + x] = row[x] & 0xFFFFFF;
    }
    SDL_FreeSurface(rgb);
    return bitmap;
}
