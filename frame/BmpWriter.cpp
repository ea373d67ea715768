#include "frame/BmpWriter.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

void put(std::vector<unsigned char>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}  // namespace

std::vector<unsigned char> encodeBmp(const Canvas& canvas) {
    if (canvas.width() == 0 || canvas.height() == 0) return {};
    auto width = static_cast<std::uint32_t>(canvas.width()), height = static_cast<std::uint32_t>(canvas.height());
    std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    std::uint32_t pixelBytes = rowBytes * height;
    std::vector<unsigned char> bytes = {'B', 'M'};
    bytes.reserve(kHeadersSize + pixelBytes);
    put(bytes, kHeadersSize + pixelBytes, 4);
    put(bytes, 0, 4);
    put(bytes, kHeadersSize, 4);
    put(bytes, 40, 4);
    put(bytes, width, 4);
    put(bytes, height, 4);
    put(bytes, 1, 2);   // planes
    put(bytes, 24, 2);  // bits a pixel
    put(bytes, 0, 4);   // uncompressed
    put(bytes, pixelBytes, 4);
    for (int unused = 0; unused < 4; ++unused) put(bytes, 0, 4);  // resolution and palette
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) put(bytes, canvas.pixel(x, y), 3);
        bytes.resize(bytes.size() + (rowBytes - width * 3));
    }
    return bytes;
}

bool namesBmp(const std::string& path) {
    const std::string suffix = ".bmp";
    return path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
}
