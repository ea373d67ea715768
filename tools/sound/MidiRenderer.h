#pragma once

#include "NoteLedger.h"

#include <filesystem>
#include <optional>
#include <string>

namespace sound {

struct Rendering {
    double seconds = 0.0;          // from the start to the file's last tick
    double renderedSeconds = 0.0;  // with the release the player allows after it
    int peak = 0;                  // of 32767
    double rmsDbfs = 0.0;
    double peakDbfs = 0.0;
    // Only over the stretches where something sounds: a fairer measure of
    // a part that plays now and then.
    double audibleRmsDbfs = 0.0;
    double integratedLufs = 0.0;  // EBU R128
    NoteLedger notes;
};

// Plays a MIDI file through the game's soundfont as fast as it can and
// measures what comes out; optionally only one channel's notes sound.
class MidiRenderer {
public:
    explicit MidiRenderer(std::string soundfont);

    Rendering render(const std::filesystem::path& midi, std::optional<int> soloChannel = std::nullopt) const;

private:
    std::string soundfont_;
};

}  // namespace sound
