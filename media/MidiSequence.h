#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class MidiFile;
class MidiSynth;

typedef struct _fluid_player_t fluid_player_t;

// A MIDI file played on a synthesizer by FluidSynth's player. A player
// starts at a tick: at the start, or where an earlier one halted, with the
// channels set as the file has them there, since another piece may have
// used them in between. It keeps time by the synthesizer's frames: a run
// without a sound font (no voices) ends 2 s after the last event, where a
// sounding run would also wait for the last notes to fade.
class MidiSequence {
public:
    // The file is read once; one that cannot be read plays nothing.
    explicit MidiSequence(const std::string& fileName);
    ~MidiSequence();
    MidiSequence(const MidiSequence&) = delete;
    MidiSequence& operator=(const MidiSequence&) = delete;

    // The tick the next player starts at; an earlier player goes. Needs no
    // synthesizer, so a piece can be cued before its synthesizer is there.
    void cue(int tick);
    // A new player on `synth` at the cued tick, waiting for run().
    void prepare(MidiSynth& synth);
    // Both: a new player at `tick`.
    void prepare(MidiSynth& synth, int tick);
    // The prepared player starts with the synthesizer's next block.
    void run();
    // The player goes, silently: its notes sound on until the synthesizer
    // is reset. The tick it had reached.
    int halt();
    // The player has played its file to the end, or there is none.
    bool finished() const;

    // The number of frames a full play without sound renders (see
    // midiLengthInFrames); none when the piece cannot be played.
    static std::optional<std::uint64_t> lengthInFrames(const MidiFile& file, int sampleRate);
    static std::optional<std::uint64_t> lengthInFrames(const std::string& fileName, int sampleRate);

private:
    std::vector<unsigned char> bytes_;
    fluid_player_t* player_ = nullptr;
    int from_ = 0;  // the tick the player was prepared at
};
