#include "media/MidiLength.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "media/MidiFile.h"

namespace {

// The synthesizer's own block: the player advances between blocks, so the
// end is found at the same frame however the caller splits the rendering.
constexpr int kBlock = 64;

}  // namespace

// FluidSynth 2.3.1's player on the sample clock (fluid_player_callback) does
// this before each block it renders:
// - it reads the clock in whole milliseconds: (long)(1000.0 * frames / rate),
//   a 64-bit long on the systems it is built for;
// - its tick is the tick of the last tempo change plus the milliseconds since
//   then over the tick's length (a float: tempo / division / 1000), plus 0.5,
//   cast to int;
// - it sends every event up to that tick, track by track; a tempo change
//   takes effect from this block's clock and tick, and the one sent last wins;
// - once every track has sent its end-of-track it plays on until its clock
//   reads 2000 ms more (longer while voices sound, and there are none without
//   a sound font), renders that block and stops.
// So the blocks a play takes follow from the tempo changes alone: for each,
// the first block whose tick reaches it, found directly from the clock.
std::optional<std::uint64_t> midiLengthInFrames(const MidiFile& file, int sampleRate) {
    if (!file.whole() || file.microseconds() > kLongestMidiPiece) return std::nullopt;
    constexpr std::int64_t kMostTicks = std::numeric_limits<std::int32_t>::max();
    constexpr std::uint32_t kGraceMs = 2000;
    const double rate = sampleRate;
    auto clockAt = [rate](std::uint64_t block) {
        return static_cast<std::uint32_t>(
            static_cast<std::int64_t>(1000.0 * static_cast<double>(static_cast<std::uint32_t>(block * kBlock)) / rate));
    };
    auto firstBlockFrom = [&](std::uint64_t ms) {
        std::uint64_t block = ms * static_cast<std::uint64_t>(sampleRate) / (1000 * kBlock);
        while (block > 0 && clockAt(block - 1) >= ms) --block;
        while (clockAt(block) < ms) ++block;
        return block;
    };
    auto tickLength = [&file](std::uint32_t tempo) {
        return static_cast<float>(tempo) / static_cast<float>(file.division()) / 1000.0f;
    };
    float tickMs = tickLength(MidiFile::kDefaultTempo);
    std::int64_t startTick = 0;
    std::uint32_t startMs = 0;
    // Ticks past the last tempo change at a clock reading (before the cast).
    auto ticksSince = [&](std::uint64_t ms) {
        return static_cast<double>(ms - startMs) / static_cast<double>(tickMs) + 0.5;
    };

    const auto& changes = file.tempoChanges();
    std::size_t next = 0;
    std::uint64_t block = 0;  // the player loads the file in the first block, at tick 0
    std::int64_t tick = 0;
    for (;;) {
        const MidiFile::TempoChange* last = nullptr;
        for (; next < changes.size() && changes[next].tick <= static_cast<std::uint64_t>(tick); ++next)
            if (!last || changes[next].order > last->order) last = &changes[next];
        if (last) {
            tickMs = tickLength(last->microsPerBeat);
            startTick = tick;
            startMs = clockAt(block);
        }
        if (file.endTick() <= static_cast<std::uint64_t>(tick)) break;
        std::uint64_t target = file.endTick();
        if (next < changes.size()) target = std::min(target, changes[next].tick);
        // The first clock reading whose tick reaches the target...
        const double wanted = static_cast<double>(target - static_cast<std::uint64_t>(startTick));
        auto reaches = [&](std::uint64_t ms) { return std::floor(ticksSince(ms)) >= wanted; };
        double guess = std::max(0.0, std::ceil((wanted - 0.5) * static_cast<double>(tickMs)));
        if (guess > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
        std::uint64_t ms = startMs + static_cast<std::uint64_t>(guess);
        while (ms > startMs && reaches(ms - 1)) --ms;
        while (!reaches(ms)) ++ms;
        // ...and the first block that reads it.
        block = firstBlockFrom(ms);
        double since = std::floor(ticksSince(clockAt(block)));
        if (static_cast<double>(startTick) + since > static_cast<double>(kMostTicks)) return std::nullopt;
        tick = startTick + static_cast<std::int64_t>(since);
    }
    std::uint64_t frames = (firstBlockFrom(std::uint64_t{clockAt(block)} + kGraceMs) + 1) * kBlock;
    if (frames > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return frames;
}
