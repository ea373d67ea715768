#pragma once
#include <cstdint>
#include <memory>

#include "media/MidiSynth.h"

class SdlMidiTrack;

// Gives the MIDI pieces their turns on the one synthesizer, one piece at a
// time. A piece that stops, is superseded or reaches its end fades out over
// a few milliseconds; then every voice goes and the next piece starts on
// channels as new. The audio thread mixes and the UI thread plays and
// stops, both under the service's lock. The synthesizer, whose sound bank
// takes a while to load, may come after the deck: until it has, a piece
// waits for its turn and nothing is mixed.
class MidiDeck {
public:
    explicit MidiDeck(int sampleRate);

    int sampleRate() const { return sampleRate_; }
    // The synthesizer arrives; a piece that waits starts on it.
    void attach(std::unique_ptr<MidiSynth> synth);
    bool ready() const { return synth_ != nullptr; }
    // Only once ready.
    MidiSynth& synth() { return *synth_; }
    // Starts the track's prepared sequence as soon as the piece before it
    // has faded out; nothing when it sounds already.
    void play(SdlMidiTrack& track);
    // Fades the track out when it sounds, and forgets it when it waits.
    void stop(SdlMidiTrack& track);
    // Nothing sounds, fades or waits.
    bool idle() const { return !sounding_ && !waiting_ && fadeLeft_ == 0; }

    // Writes the next frames of the music into `mix`, which holds silence;
    // leaves it so while idle.
    void mix(std::int16_t* mix, int frames);

    // Frames a fade takes.
    int fadeFrames() const { return fadeFrames_; }

private:
    int renderSounding(std::int16_t* out, int frames);
    int renderFade(std::int16_t* out, int frames);
    void beginFade();
    void startWaiting();

    int sampleRate_;
    std::unique_ptr<MidiSynth> synth_;
    int fadeFrames_;
    SdlMidiTrack* sounding_ = nullptr;
    SdlMidiTrack* waiting_ = nullptr;
    int fadeLeft_ = 0;
};
