#pragma once
#include <cstdint>
#include <optional>
#include <string>

class MidiFile;

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// A MIDI file played by its own synthesizer into 16-bit stereo frames. The
// player keeps time by the frames rendered: a run without a sound font (no
// voices) ends 2 s after the last event, where a sounding run would also wait
// for the last notes to fade.
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

    // The number of frames a full play without sound renders, computed from
    // the file's tempo map by the player's own timing rules, in time
    // proportional to its tempo changes; none when the file is not whole or
    // the synthesizer cannot time the piece (longer than kLongestPiece, or
    // past its int tick count). `sampleRate` within the synthesizer's
    // 8000..96000.
    static std::optional<std::uint64_t> lengthInFrames(const MidiFile& file, int sampleRate);
    static std::optional<std::uint64_t> lengthInFrames(const std::string& fileName, int sampleRate);

    // The synthesizer counts frames in 32 bits: 2^32 frames are 12.4 hours
    // at its highest rate (96 kHz). A longer piece is refused.
    static constexpr std::uint64_t kLongestPiece = 12ull * 3600 * 1000000;  // microseconds

private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    fluid_player_t* player_;
    std::string fileName_;
    std::uint64_t rendered_ = 0;
};
