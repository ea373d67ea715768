#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace sound {

using Bytes = std::vector<std::uint8_t>;

// WAV fields are little-endian, MIDI fields big-endian.
void appendLittle16(Bytes& out, std::uint16_t value);
void appendLittle32(Bytes& out, std::uint32_t value);
void appendBig16(Bytes& out, std::uint16_t value);
void appendBig32(Bytes& out, std::uint32_t value);
// MIDI's variable-length quantity: seven bits a byte, most significant first.
void appendVarLength(Bytes& out, std::uint32_t value);
void appendText(Bytes& out, const char* text);

void saveBytes(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace sound
