#pragma once

#include "Bytes.h"

#include <string>
#include <vector>

namespace sound {

// The events of one track of a Standard MIDI File, at absolute ticks.
// Encoding sorts them, turns times into deltas and closes the track.
class MidiTrack {
public:
    void name(const std::string& text);
    void tempo(int tick, int beatsPerMinute);
    void timeSignature(int tick, int beats, int beatUnitPower);
    void program(int tick, int channel, int number);
    void controller(int tick, int channel, int number, int value);
    void noteOn(int tick, int channel, int pitch, int velocity);
    void noteOff(int tick, int channel, int pitch);

    // The whole "MTrk" chunk; the end-of-track event lands on endTick.
    Bytes chunk(int endTick) const;

private:
    // At one tick, notes end before anything else happens and start last,
    // so a note struck again on the same key is not cut by its own ending.
    enum class Order { NoteOff, Setting, NoteOn };
    struct Event {
        int tick;
        Order order;
        Bytes data;
    };

    void add(int tick, Order order, Bytes data);
    void meta(int tick, std::uint8_t type, const Bytes& payload);

    std::vector<Event> events_;
};

}  // namespace sound
