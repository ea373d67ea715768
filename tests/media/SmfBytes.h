#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Standard MIDI Files built byte by byte, whole or damaged on purpose.
namespace smf {

// A variable-length quantity: seven bits a byte, the high bit on all but the last.
inline std::string number(std::uint32_t value) {
    std::string bytes(1, static_cast<char>(value & 0x7F));
    while (value >>= 7) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    return bytes;
}

inline std::string bigEndian(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = size - 1; i >= 0; --i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    return bytes;
}

class Track {
public:
    // An event `delta` ticks after the one before: its bytes as written.
    Track& at(std::uint32_t delta, std::initializer_list<int> bytes) {
        bytes_ += number(delta);
        for (int byte : bytes) bytes_.push_back(static_cast<char>(byte));
        return *this;
    }
    Track& note(std::uint32_t delta, int pitch, int velocity = 100) { return at(delta, {0x90, pitch, velocity}); }
    Track& tempo(std::uint32_t delta, std::uint32_t microsPerBeat) {
        return at(delta, {0xFF, 0x51, 3}).raw(bigEndian(microsPerBeat, 3));
    }
    Track& sysex(std::uint32_t delta, std::uint32_t size) {
        return at(delta, {0xF0}).raw(number(size)).raw(std::string(size - 1, '\x11')).raw("\xF7");
    }
    Track& end(std::uint32_t delta = 0) { return at(delta, {0xFF, 0x2F, 0}); }
    Track& raw(const std::string& bytes) {
        bytes_ += bytes;
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

inline std::string chunk(const std::string& tag, const std::string& body) {
    return tag + bigEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

inline std::string header(int tracks, int division, int format = 1) {
    return chunk("MThd", bigEndian(format, 2) + bigEndian(tracks, 2) + bigEndian(division, 2));
}

inline std::string file(int division, const std::vector<Track>& tracks) {
    std::string bytes = header(static_cast<int>(tracks.size()), division);
    for (const Track& track : tracks) bytes += chunk("MTrk", track.bytes());
    return bytes;
}

}  // namespace smf
