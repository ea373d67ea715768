#include "SmfWriter.h"

#include "Bytes.h"
#include "Timing.h"

#include <utility>

namespace sound {

namespace {

constexpr std::uint32_t kHeaderSize = 6;
constexpr std::uint16_t kSimultaneousTracks = 1;

}  // namespace

SmfWriter::SmfWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

void SmfWriter::write(const std::string& name, const Score& score) const {
    const std::vector<MidiTrack> tracks = score.tracks();
    Bytes out;
    appendText(out, "MThd");
    appendBig32(out, kHeaderSize);
    appendBig16(out, kSimultaneousTracks);
    appendBig16(out, static_cast<std::uint16_t>(tracks.size()));
    appendBig16(out, kTicksPerQuarter);
    for (const MidiTrack& track : tracks) {
        const Bytes chunk = track.chunk(score.endTick());
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    saveBytes(folder_ / name, out);
}

}  // namespace sound
