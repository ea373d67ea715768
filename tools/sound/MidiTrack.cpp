#include "MidiTrack.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace sound {

namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kController = 0xB0;
constexpr std::uint8_t kProgram = 0xC0;
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kTrackName = 0x03;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kTempo = 0x51;
constexpr std::uint8_t kTimeSignature = 0x58;
constexpr std::uint32_t kMicrosecondsPerMinute = 60'000'000;

std::uint8_t dataByte(int value) {
    if (value < 0 || value > 127) {
        throw std::out_of_range("MIDI data bytes are 0 to 127");
    }
    return static_cast<std::uint8_t>(value);
}

std::uint8_t status(std::uint8_t kind, int channel) {
    if (channel < 0 || channel > 15) {
        throw std::out_of_range("MIDI channels are 0 to 15");
    }
    return static_cast<std::uint8_t>(kind | channel);
}

}  // namespace

void MidiTrack::name(const std::string& text) { meta(0, kTrackName, Bytes(text.begin(), text.end())); }

void MidiTrack::tempo(int tick, int beatsPerMinute) {
    const std::uint32_t micros = kMicrosecondsPerMinute / static_cast<std::uint32_t>(beatsPerMinute);
    meta(tick, kTempo,
         {static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
          static_cast<std::uint8_t>(micros)});
}

// 24 clocks a metronome click and 8 thirty-seconds a quarter: the usual values.
void MidiTrack::timeSignature(int tick, int beats, int beatUnitPower) {
    meta(tick, kTimeSignature, {dataByte(beats), dataByte(beatUnitPower), 24, 8});
}

void MidiTrack::program(int tick, int channel, int number) {
    add(tick, Order::Setting, {status(kProgram, channel), dataByte(number)});
}

void MidiTrack::controller(int tick, int channel, int number, int value) {
    add(tick, Order::Setting, {status(kController, channel), dataByte(number), dataByte(value)});
}

void MidiTrack::noteOn(int tick, int channel, int pitch, int velocity) {
    if (velocity == 0) {
        throw std::invalid_argument("a silent note-on would read as a note-off");
    }
    add(tick, Order::NoteOn, {status(kNoteOn, channel), dataByte(pitch), dataByte(velocity)});
}

void MidiTrack::noteOff(int tick, int channel, int pitch) {
    add(tick, Order::NoteOff, {status(kNoteOff, channel), dataByte(pitch), 64});
}

Bytes MidiTrack::chunk(int endTick) const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    if (!sorted.empty() && sorted.back().tick > endTick) {
        throw std::invalid_argument("an event lies past the end of its track");
    }
    Bytes body;
    int now = 0;
    for (const Event& event : sorted) {
        appendVarLength(body, static_cast<std::uint32_t>(event.tick - now));
        body.insert(body.end(), event.data.begin(), event.data.end());
        now = event.tick;
    }
    appendVarLength(body, static_cast<std::uint32_t>(endTick - now));
    body.insert(body.end(), {kMeta, kEndOfTrack, 0});

    Bytes out;
    appendText(out, "MTrk");
    appendBig32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

void MidiTrack::add(int tick, Order order, Bytes data) {
    if (tick < 0) {
        throw std::invalid_argument("events cannot come before the start");
    }
    events_.push_back({tick, order, std::move(data)});
}

void MidiTrack::meta(int tick, std::uint8_t type, const Bytes& payload) {
    Bytes data{kMeta, type};
    appendVarLength(data, static_cast<std::uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
    add(tick, Order::Setting, std::move(data));
}

}  // namespace sound
