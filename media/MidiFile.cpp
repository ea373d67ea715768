#include "media/MidiFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

using Fault = MidiFile::Fault;

constexpr int kMostTracks = 127;  // FluidSynth misreads the count from 128 on

std::uint32_t bigEndian(const unsigned char* at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | at[i];
    return value;
}

bool tagIs(const unsigned char* at, const char* tag) { return std::memcmp(at, tag, 4) == 0; }

// The data bytes a channel message of this status carries.
int dataBytes(unsigned status) { return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2; }

}  // namespace

// Walks the events of one track chunk, each bounded by the chunk's end.
class MidiFile::Reader {
public:
    Reader(const unsigned char* at, const unsigned char* end) : at_(at), end_(end) {}

    bool atEnd() const { return at_ == end_; }

    Fault byte(unsigned& value) {
        if (at_ == end_) return Fault::EventPastChunk;
        value = *at_++;
        return Fault::None;
    }

    // A variable-length quantity: at most four bytes, as the synthesizer reads.
    Fault quantity(std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            unsigned next = 0;
            if (Fault f = byte(next); f != Fault::None) return f;
            value = value << 7 | (next & 0x7F);
            if (!(next & 0x80)) return Fault::None;
        }
        return Fault::BadEvent;
    }

    // Passes over `count` bytes; `data` is where they begin.
    Fault skip(std::uint32_t count, const unsigned char*& data) {
        if (static_cast<std::uint64_t>(end_ - at_) < count) return Fault::EventPastChunk;
        data = at_;
        at_ += count;
        return Fault::None;
    }

private:
    const unsigned char* at_;
    const unsigned char* end_;
};

// Only what the header announces is read, so that a file padded with any
// amount of data after its last track costs no more than the piece itself.
std::vector<unsigned char> MidiFile::announcedBytes(const std::string& fileName) {
    std::vector<unsigned char> bytes;
    std::ifstream in(fileName, std::ios::binary);
    auto take = [&](std::uint32_t count) {
        std::size_t at = bytes.size();
        for (std::uint32_t step; count > 0 && in; count -= step) {  // grows with what is really there
            step = std::min<std::uint32_t>(count, 1 << 20);
            bytes.resize(at + step);
            in.read(reinterpret_cast<char*>(bytes.data() + at), step);
            at += static_cast<std::size_t>(in.gcount());
            bytes.resize(at);
        }
        return in.good();
    };
    if (!take(14) || !tagIs(bytes.data(), "MThd")) return bytes;
    for (std::uint32_t track = 0, tracks = bigEndian(bytes.data() + 10, 2); track < tracks; ++track) {
        std::size_t chunk = bytes.size();
        if (!take(8) || !take(bigEndian(bytes.data() + chunk + 4, 4))) break;
    }
    return bytes;
}

MidiFile MidiFile::read(const std::string& fileName) {
    if (!std::ifstream(fileName, std::ios::binary)) {
        MidiFile unreadable;
        unreadable.fault_ = Fault::Unreadable;
        return unreadable;
    }
    return parse(announcedBytes(fileName));
}

MidiFile MidiFile::parse(const std::vector<unsigned char>& bytes) {
    MidiFile file;
    file.fault_ = file.readChunks(bytes);
    if (file.fault_ == Fault::None) file.fault_ = file.measure();
    return file;
}

Fault MidiFile::readChunks(const std::vector<unsigned char>& bytes) {
    const unsigned char* data = bytes.data();
    const std::size_t size = bytes.size();
    if (size < 14 || !tagIs(data, "MThd")) return Fault::NotMidi;
    if (bigEndian(data + 4, 4) != 6 || bigEndian(data + 8, 2) > 2) return Fault::BadHeader;
    tracks_ = static_cast<int>(bigEndian(data + 10, 2));
    if (tracks_ == 0 || tracks_ > kMostTracks) return Fault::TrackCount;
    if (data[12] & 0x80) return Fault::SmpteDivision;
    division_ = static_cast<int>(bigEndian(data + 12, 2));
    if (division_ == 0) return Fault::NoDivision;

    std::size_t chunk = 14;
    for (int track = 0; track < tracks_; ++track) {
        if (size - chunk < 8 || !tagIs(data + chunk, "MTrk")) return Fault::MissingTrack;
        std::uint32_t length = bigEndian(data + chunk + 4, 4);
        if (size - chunk - 8 < length) return Fault::ChunkPastEnd;
        Reader events(data + chunk + 8, data + chunk + 8 + length);
        if (Fault fault = readTrack(events); fault != Fault::None) return fault;
        chunk += 8 + std::size_t{length};
    }
    return Fault::None;  // what follows the last track is not read, as by the synthesizer
}

// One track's events up to its end-of-track: keeps its tempo changes and its end.
Fault MidiFile::readTrack(Reader& events) {
    std::uint64_t tick = 0;
    unsigned running = 0;  // the last channel status: a data byte in the place of a status repeats it
    for (;;) {
        if (events.atEnd()) return Fault::NoEndOfTrack;
        std::uint32_t delta = 0;
        unsigned status = 0;
        if (Fault f = events.quantity(delta); f != Fault::None) return f;
        if (Fault f = events.byte(status); f != Fault::None) return f;
        tick += delta;
        ++events_;
        if (status < 0xF0) {  // a channel message
            int data = 0;
            if (status & 0x80) {
                running = status;
                data = dataBytes(status);
            } else {  // the status byte was the first data byte
                if (!running) return Fault::BadEvent;
                data = dataBytes(running) - 1;
            }
            for (int i = 0; i < data; ++i) {
                unsigned value = 0;
                if (Fault f = events.byte(value); f != Fault::None) return f;
                if (value & 0x80) return Fault::BadEvent;
            }
            continue;
        }
        // System exclusive and meta events; the synthesizer reads no escapes
        // (0xF7) nor system messages.
        if (status != 0xF0 && status != 0xFF) return Fault::BadEvent;
        running = 0;
        unsigned type = 0;
        std::uint32_t size = 0;
        const unsigned char* body = nullptr;
        if (Fault f = status == 0xFF ? events.byte(type) : Fault::None; f != Fault::None) return f;
        if (Fault f = events.quantity(size); f != Fault::None) return f;
        if (Fault f = events.skip(size, body); f != Fault::None) return f;
        if (status == 0xF0) continue;
        // The sizes the synthesizer insists on.
        constexpr std::pair<unsigned, std::uint32_t> kSizes[] = {{0x2F, 0}, {0x51, 3}, {0x54, 5}, {0x58, 4}, {0x59, 2}};
        for (auto [metaType, metaSize] : kSizes)
            if (type == metaType && size != metaSize) return Fault::BadEvent;
        if (type == 0x51) {
            std::uint32_t tempo = bigEndian(body, 3);
            if (tempo == 0) return Fault::ZeroTempo;
            tempo_.push_back({tick, tempo, static_cast<std::uint32_t>(tempo_.size())});
        }
        if (type == 0x2F) {
            endTick_ = std::max(endTick_, tick);
            return Fault::None;  // anything after it in the chunk is not read, as by the synthesizer
        }
    }
}

// The tempo map in time order; the exact length is the sum of each stretch's
// ticks times its tempo, over the division.
Fault MidiFile::measure() {
    std::stable_sort(tempo_.begin(), tempo_.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    std::uint64_t numerator = 0;  // microseconds times the division
    std::uint64_t from = 0;
    std::uint32_t tempo = kDefaultTempo;
    auto add = [&](std::uint64_t to) {
        std::uint64_t stretch = 0;
        return !__builtin_mul_overflow(to - from, std::uint64_t{tempo}, &stretch) &&
               !__builtin_add_overflow(numerator, stretch, &numerator);
    };
    for (const TempoChange& change : tempo_) {
        if (!add(change.tick)) return Fault::TooLong;
        from = change.tick;
        tempo = change.microsPerBeat;
    }
    if (!add(endTick_)) return Fault::TooLong;
    microseconds_ = numerator / static_cast<std::uint64_t>(division_);
    return Fault::None;
}
