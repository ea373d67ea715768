#pragma once
#include <cstdint>
#include <string>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// A MIDI file played by its own synthesizer into 16-bit stereo frames. The
// player keeps time by the frames rendered, so a run without a sound font (no
// voices, nearly free) measures a piece: it ends a fixed while after the last
// event, where a sounding run would also wait for the last notes to fade.
class MidiSequence {
public:
    // An empty sound font renders silence with the same timing.
    MidiSequence(const std::string& fileName, int sampleRate, const std::string& soundFont);
    ~MidiSequence();
    MidiSequence(const MidiSequence&) = delete;
    MidiSequence& operator=(const MidiSequence&) = delete;

    // Renders up to `frames` interleaved stereo frames; the count rendered,
    // fewer only at the end of the piece.
    int render(std::int16_t* out, int frames);
    bool finished() const;
    std::uint64_t framesRendered() const { return rendered_; }
    // Back to the first event, every note silenced.
    void rewind();

    // Whether the file holds a MIDI sequence at all.
    static bool isMidiFile(const std::string& fileName);
    // The number of frames a full play renders, found without sound.
    static std::uint64_t lengthInFrames(const std::string& fileName, int sampleRate);

private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    fluid_player_t* player_;
    std::string fileName_;
    std::uint64_t rendered_ = 0;
};
