#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where the browser build's sounds play: the page's audio graph, which plays
// a wave the page decoded or a MIDI piece on its synthesizer while the
// program only starts, stops and rewinds them. A sound is a handle of the
// output's; times are in milliseconds.
class SoundOutput {
public:
    using Sound = int;

    virtual ~SoundOutput() = default;
    // The frames a second the output plays at; 0 when nothing can sound.
    virtual int rate() const = 0;
    // Whether the page decoded the wave file before the program started.
    virtual bool decoded(const std::string& fileName) const = 0;
    // A wave file the page decoded.
    virtual Sound openWave(const std::string& fileName) = 0;
    // A MIDI file's bytes, played through for `lengthFrames` frames. Each
    // piece resumes where it stopped; one sounds at a time, and a piece
    // that plays over another fades that one out first.
    virtual Sound openMusic(const std::vector<unsigned char>& bytes, std::uint64_t lengthFrames) = 0;
    // From `fromMs` for a wave; where it stopped for a piece.
    virtual void play(Sound sound, std::uint64_t fromMs) = 0;
    virtual void stop(Sound sound) = 0;
    // Stops it and takes it back to the start.
    virtual void rewind(Sound sound) = 0;
    virtual void close(Sound sound) = 0;
};
