// Screenshots of a canvas: PNG through libpng, BMP through SDL, each encoded
// in memory and then written by one careful writer.
#include "frame/sdl/Screenshot.h"

#include <SDL.h>
#include <png.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

Bytes encodeBmp(const Canvas& canvas) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Rgb*>(canvas.pixels().data()), canvas.width(), canvas.height(),
                                           32, canvas.width() * 4, SDL_PIXELFORMAT_RGB888);
    if (!surface) return {};
    constexpr std::size_t kLargestHeader = 14 + 124;  // file header and a version 5 info header
    Bytes bytes(kLargestHeader + static_cast<std::size_t>(canvas.width()) * canvas.height() * 4);
    SDL_RWops* memory = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_ClearError();  // SDL tells a failed save by a non-empty error
    bool saved = memory && SDL_SaveBMP_RW(surface, memory, 0) == 0;
    bytes.resize(saved ? static_cast<std::size_t>(SDL_RWtell(memory)) : 0);
    if (memory) SDL_RWclose(memory);
    SDL_FreeSurface(surface);
    return bytes;
}

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

// Something other than a file in the picture's place (a named pipe, a
// device) is never opened: writing into it could block for ever.
bool placeIsFree(const std::string& path) {
    struct stat place {};
    return ::stat(path.c_str(), &place) != 0 ? errno == ENOENT : S_ISREG(place.st_mode);
}

bool writeAll(int fd, const Bytes& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Written beside the picture and renamed over it once whole, so that a
// failed write (a full disk) leaves no cut picture behind.
bool writeFile(const std::string& path, const Bytes& bytes) {
    if (bytes.empty() || !placeIsFree(path)) return false;
    std::string side = path + ".part-" + std::to_string(::getpid());
    int fd = ::open(side.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool written = writeAll(fd, bytes);
    written = ::close(fd) == 0 && written;
    if (written && ::rename(side.c_str(), path.c_str()) == 0) return true;
    ::unlink(side.c_str());
    return false;
}

}  // namespace

bool saveImage(const Canvas& canvas, const std::string& path) {
    if (canvas.width() == 0 || canvas.height() == 0) return false;
    return writeFile(path, endsWith(path, ".bmp") ? encodeBmp(canvas) : encodePng(canvas));
}
