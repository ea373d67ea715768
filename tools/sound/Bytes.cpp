#include "Bytes.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace sound {

void appendLittle16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendLittle32(Bytes& out, std::uint32_t value) {
    appendLittle16(out, static_cast<std::uint16_t>(value));
    appendLittle16(out, static_cast<std::uint16_t>(value >> 16));
}

void appendBig16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void appendBig32(Bytes& out, std::uint32_t value) {
    appendBig16(out, static_cast<std::uint16_t>(value >> 16));
    appendBig16(out, static_cast<std::uint16_t>(value));
}

void appendVarLength(Bytes& out, std::uint32_t value) {
    if (value > 0x0FFFFFFF) {
        throw std::out_of_range("MIDI lengths fit in 28 bits");
    }
    int shift = 21;
    while (shift > 0 && (value >> shift) == 0) {
        shift -= 7;
    }
    for (; shift > 0; shift -= 7) {
        out.push_back(static_cast<std::uint8_t>(0x80 | ((value >> shift) & 0x7F)));
    }
    out.push_back(static_cast<std::uint8_t>(value & 0x7F));
}

void appendText(Bytes& out, const char* text) { out.insert(out.end(), text, text + std::strlen(text)); }

void saveBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace sound
