#pragma once

#include "MidiTrack.h"

#include <string>
#include <vector>

namespace sound {

// A General MIDI instrument on its own channel, with its mixer settings.
struct Instrument {
    std::string name;
    int channel;
    int program;
    int volume;
    int pan = 64;
    int reverb = 40;
};

// What one instrument plays: notes and controller moves, turned into a track.
class Part {
public:
    struct Note {
        int tick;
        int length;
        int pitch;
        int velocity;
    };

    explicit Part(Instrument instrument);

    void play(int tick, int length, int pitch, int velocity);
    // Repeated strokes, getting louder or softer, e.g. a drum roll.
    void roll(int fromTick, int toTick, int pitch, int stepTicks, int fromVelocity, int toVelocity);
    // Expression moved in sixteenth-note steps: fades and swells.
    void swell(int fromTick, int toTick, int fromLevel, int toLevel);

    const Instrument& instrument() const { return instrument_; }
    // As played, before a key struck again cuts its earlier note short.
    const std::vector<Note>& notes() const { return notes_; }
    int endTick() const;
    MidiTrack track() const;

private:
    std::vector<Note> withoutOverlaps() const;

    Instrument instrument_;
    std::vector<Note> notes_;
    MidiTrack track_;
};

}  // namespace sound
