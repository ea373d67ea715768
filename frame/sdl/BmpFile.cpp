// BMP reading through SDL, which handles every depth the game's art uses.
#include <SDL.h>

#include <cstdio>

#include "frame/BmpHeader.h"
#include "frame/sdl/BmpFile.h"

Bitmap loadBitmap(const std::string& path) {
    BmpHeader header;
    std::FILE* file = openBmp(path, header);
    SDL_RWops* stream = SDL_RWFromFP(file, SDL_TRUE);
    if (!stream) {
        std::fclose(file);
        refusePicture("The picture cannot be read", path);
    }
    SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
    if (!loaded) refusePicture("The picture is damaged or not a BMP picture", path);
    Bitmap bitmap;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) refusePicture("The picture is damaged or not a BMP picture", path);
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
