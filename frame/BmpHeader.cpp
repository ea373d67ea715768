#include "frame/BmpHeader.h"

#include <unistd.h>

#include <cstdint>

#include "frame/Exception.h"
#include "frame/FileAccess.h"

namespace {

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

// Reads the header of a file of `size` bytes and rewinds it.
BmpHeader readHeader(std::FILE* file, std::int64_t size) {
    unsigned char h[34] = {};
    std::size_t got = std::fread(h, 1, sizeof h, file);
    std::rewind(file);
    BmpHeader header;
    header.bmp = got >= 2 && h[0] == 'B' && h[1] == 'M';
    if (!header.bmp || got < 26) return header;
    std::int64_t offset = little(h + 10, 4);
    bool core = little(h + 14, 4) == 12;
    if (!core && got < sizeof h) return header;
    std::int64_t width = core ? little(h + 18, 2) : signedLittle(h + 18, 4);
    std::int64_t height = core ? little(h + 20, 2) : signedLittle(h + 22, 4);
    std::int64_t bits = core ? little(h + 24, 2) : little(h + 28, 2);
    std::int64_t compression = core ? 0 : little(h + 30, 4);
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return header;
    if (width * height > kLargestArea) return header;
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    bool uncompressed = compression == 0 || compression == 3;
    std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
    header.plausible = !uncompressed || bits <= 0 || bits > 32 ||
                       (offset >= 0 && offset <= size && rowBytes * height <= size - offset);
    return header;
}

}  // namespace

void refusePicture(const std::string& message, const std::string& path) {
    throw Exception("EInvalidGraphic", fileErrorText(message, path));
}

std::FILE* openBmp(const std::string& path, BmpHeader& header) {
    FileFault fault = FileFault::None;
    int fd = openRegularFile(path, fault);
    if (fault == FileFault::Unreadable) refusePicture("The picture cannot be read. Check its permissions", path);
    if (fd < 0) refusePicture("The picture cannot be found. Check its folder and name", path);
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        ::close(fd);
        refusePicture("The picture cannot be read", path);
    }
    std::fseek(file, 0, SEEK_END);
    std::int64_t size = std::ftell(file);
    std::rewind(file);
    header = readHeader(file, size);
    if (header.bmp && !header.plausible) {
        std::fclose(file);
        refusePicture("The picture is damaged or not a BMP picture", path);
    }
    return file;
}
