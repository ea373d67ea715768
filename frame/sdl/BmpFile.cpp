// BMP reading through SDL, which handles every depth the game's art uses.
#include <SDL.h>

#include <unistd.h>
#include <cstdint>
#include <cstdio>

#include "frame/Exception.h"
#include "frame/FileAccess.h"
#include "frame/sdl/BmpFile.h"

namespace {

[[noreturn]] void refuse(const std::string& message, const std::string& path) {
    throw Exception("EInvalidGraphic", fileErrorText(message, path));
}

// The largest picture side taken: the window system's coordinate range.
constexpr std::int64_t kLargestSide = 32767;
// At most 64 M pixels (256 MB as 32-bit pixels) for a picture.
constexpr std::int64_t kLargestArea = std::int64_t{1} << 26;

std::int64_t little(const unsigned char* bytes, int count) {
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return static_cast<std::int64_t>(value);
}

std::int64_t signedLittle(const unsigned char* bytes, int count) {
    std::int64_t value = little(bytes, count);
    std::int64_t sign = std::int64_t{1} << (8 * count - 1);
    return (value ^ sign) - sign;
}

// Whether a BMP header's picture could be in a file of `size` bytes and
// fits in memory; a header that is not a BMP one is left to the decoder.
// Without it a damaged header could ask for gigabytes before failing.
bool plausibleHeader(std::FILE* file, std::int64_t size) {
    unsigned char h[34] = {};
    std::size_t got = std::fread(h, 1, sizeof h, file);
    std::rewind(file);
    if (got < 2 || h[0] != 'B' || h[1] != 'M') return true;
    if (got < 26) return false;
    std::int64_t offset = little(h + 10, 4);
    bool core = little(h + 14, 4) == 12;
    if (!core && got < sizeof h) return false;
    std::int64_t width = core ? little(h + 18, 2) : signedLittle(h + 18, 4);
    std::int64_t height = core ? little(h + 20, 2) : signedLittle(h + 22, 4);
    std::int64_t bits = core ? little(h + 24, 2) : little(h + 28, 2);
    std::int64_t compression = core ? 0 : little(h + 30, 4);
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return false;
    if (width * height > kLargestArea) return false;
    bool uncompressed = compression == 0 || compression == 3;
    if (!uncompressed || bits <= 0 || bits > 32) return true;
    std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
    return offset >= 0 && offset <= size && rowBytes * height <= size - offset;
}

}  // namespace

Bitmap loadBitmap(const std::string& path) {
    FileFault fault = FileFault::None;
    int fd = openRegularFile(path, fault);
    if (fault == FileFault::Unreadable) refuse("The picture cannot be read. Check its permissions", path);
    if (fd < 0) refuse("The picture cannot be found. Check its folder and name", path);
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        ::close(fd);
        refuse("The picture cannot be read", path);
    }
    std::fseek(file, 0, SEEK_END);
    std::int64_t size = std::ftell(file);
    std::rewind(file);
    if (!plausibleHeader(file, size)) {
        std::fclose(file);
        refuse("The picture is damaged or not a BMP picture", path);
    }
    SDL_RWops* stream = SDL_RWFromFP(file, SDL_TRUE);
    if (!stream) {
        std::fclose(file);
        refuse("The picture cannot be read", path);
    }
    SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
    if (!loaded) refuse("The picture is damaged or not a BMP picture", path);
    Bitmap bitmap;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) refuse("The picture is damaged or not a BMP picture", path);
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
