#include "BmpWriter.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace art {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t rowStride(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32) * 4;
}

Bytes headers(int width, int height, int bitsPerPixel, std::uint32_t paletteEntries) {
    const std::uint32_t pixelBytes = rowStride(width, bitsPerPixel) * static_cast<std::uint32_t>(height);
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, dataOffset + pixelBytes);
    put32(out, 0);
    put32(out, dataOffset);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    put32(out, 0);  // no compression
    put32(out, pixelBytes);
    put32(out, static_cast<std::uint32_t>(kPixelsPerMetre));
    put32(out, static_cast<std::uint32_t>(kPixelsPerMetre));
    put32(out, paletteEntries);
    put32(out, 0);
    return out;
}

void padRow(Bytes& out, std::size_t rowStart, std::uint32_t stride) { out.resize(rowStart + stride, 0); }

void appendTrueColorRows(Bytes& out, const RgbImage& image) {
    const std::uint32_t stride = rowStride(image.width(), 24);
    for (int y = image.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.at(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        padRow(out, rowStart, stride);
    }
}

void appendPalette(Bytes& out, const std::vector<Rgb>& palette, std::size_t entries) {
    for (std::size_t i = 0; i < entries; ++i) {
        const Rgb c = i < palette.size() ? palette[i] : Rgb{};
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
}

// Pixels are packed most significant bits first within each byte.
void appendIndexedRows(Bytes& out, const Grid<std::uint8_t>& indices, int bitsPerPixel) {
    const std::uint32_t stride = rowStride(indices.width(), bitsPerPixel);
    const int perByte = 8 / bitsPerPixel;
    for (int y = indices.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < indices.width(); x += perByte) {
            std::uint8_t packed = 0;
            for (int k = 0; k < perByte && x + k < indices.width(); ++k) {
                packed = static_cast<std::uint8_t>(packed | (indices.at(x + k, y) << (8 - bitsPerPixel * (k + 1))));
            }
            out.push_back(packed);
        }
        padRow(out, rowStart, stride);
    }
}

void save(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

BmpWriter::BmpWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

void BmpWriter::writeTrueColor(const std::string& name, const RgbImage& image) const {
    Bytes bytes = headers(image.width(), image.height(), 24, 0);
    appendTrueColorRows(bytes, image);
    save(folder_ / name, bytes);
}

void BmpWriter::writeIndexed(const std::string& name, const IndexedImage& image, int bitsPerPixel) const {
    if (bitsPerPixel != 4 && bitsPerPixel != 8) {
        throw std::invalid_argument("indexed bitmaps are 4 or 8 bits per pixel");
    }
    const std::size_t entries = std::size_t{1} << bitsPerPixel;
    if (image.palette.size() > entries) {
        throw std::invalid_argument(name + ": palette too large for its depth");
    }
    Bytes bytes =
        headers(image.indices.width(), image.indices.height(), bitsPerPixel, static_cast<std::uint32_t>(entries));
    appendPalette(bytes, image.palette, entries);
    appendIndexedRows(bytes, image.indices, bitsPerPixel);
    save(folder_ / name, bytes);
}

}  // namespace art
