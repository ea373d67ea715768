#pragma once
#include <cstdint>
#include <optional>

class MidiFile;

// The number of frames a full play of `file` without sound renders on the
// synthesizer's player, computed from the file's tempo map by the player's
// own timing rules, in time proportional to its tempo changes; none when the
// file is not whole or the synthesizer cannot time the piece (longer than
// kLongestMidiPiece, or past its int tick count). `sampleRate` within the
// synthesizer's 8000..96000. Needs no synthesizer: the sound-card back end
// and the headless one measure pieces alike.
std::optional<std::uint64_t> midiLengthInFrames(const MidiFile& file, int sampleRate);

// The synthesizer counts frames in 32 bits: 2^32 frames are 12.4 hours at
// its highest rate (96 kHz). A longer piece is refused.
constexpr std::uint64_t kLongestMidiPiece = 12ull * 3600 * 1000000;  // microseconds
