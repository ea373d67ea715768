#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A Standard MIDI File read once and checked whole: its header, every track
// chunk the header announces and every event in them. It keeps what timing
// needs (the division, the tempo changes, where the last track ends) and
// knows the piece's length exactly, in time proportional to the number of
// events. Anything the synthesizer could not read as the file says is a
// fault; the file is then not played at all.
class MidiFile {
public:
    enum class Fault {
        None,
        Unreadable,      // the file cannot be read
        NotMidi,         // no MThd header
        BadHeader,       // header length not 6, or format beyond 2
        TrackCount,      // no track, or more than the player takes (127)
        NoDivision,      // a division of 0 ticks a beat
        SmpteDivision,   // frames-per-second timing, which FluidSynth refuses
        MissingTrack,    // fewer track chunks than announced, or another chunk among them
        ChunkPastEnd,    // a track chunk running past the end of the file
        EventPastChunk,  // an event running past the end of its chunk
        BadEvent,        // a byte no event starts with, or a meta event of the wrong size
        NoEndOfTrack,    // a track chunk without its end-of-track event
        ZeroTempo,       // a beat of no time
        TooLong,         // a length beyond 64-bit microseconds
    };

    // A set-tempo event: from `tick` on, a beat lasts `microsPerBeat`.
    // `order` is its place in the file (track by track), which also orders
    // changes at the same tick.
    struct TempoChange {
        std::uint64_t tick;
        std::uint32_t microsPerBeat;
        std::uint32_t order;
    };

    static constexpr std::uint32_t kDefaultTempo = 500000;  // 120 beats a minute

    static MidiFile read(const std::string& fileName);
    // The header and the track chunks it announces, as far as the file has
    // them; nothing after the last announced chunk.
    static std::vector<unsigned char> announcedBytes(const std::string& fileName);
    static MidiFile parse(const std::vector<unsigned char>& bytes);

    Fault fault() const { return fault_; }
    bool whole() const { return fault_ == Fault::None; }

    // Ticks a beat (1..32767).
    int division() const { return division_; }
    int trackCount() const { return tracks_; }
    std::uint64_t eventCount() const { return events_; }
    // The tick of the last end-of-track: all tracks play together.
    std::uint64_t endTick() const { return endTick_; }
    // In time order; changes at the same tick in file order.
    const std::vector<TempoChange>& tempoChanges() const { return tempo_; }
    // From the first event to the last end-of-track, rounded down.
    std::uint64_t microseconds() const { return microseconds_; }

private:
    class Reader;
    Fault readChunks(const std::vector<unsigned char>& bytes);
    Fault readTrack(Reader& events);
    Fault measure();

    Fault fault_ = Fault::None;
    int division_ = 0;
    int tracks_ = 0;
    std::uint64_t events_ = 0;
    std::uint64_t endTick_ = 0;
    std::vector<TempoChange> tempo_;
    std::uint64_t microseconds_ = 0;
};
