#pragma once

#include "MidiTrack.h"
#include "Part.h"

#include <string>
#include <vector>

namespace sound {

// A finished piece: its tempo and parts, and how long it stays silent after
// the last note so that pads and reverb die away before the file ends.
class Score {
public:
    Score(std::string title, int beatsPerMinute, int silenceTicks);

    void add(const Part& part) { parts_.push_back(part); }

    const std::vector<Part>& parts() const { return parts_; }
    int endTick() const;
    // A conductor track with title, metre and tempo, then one track a part.
    std::vector<MidiTrack> tracks() const;

private:
    std::string title_;
    int beatsPerMinute_;
    int silenceTicks_;
    std::vector<Part> parts_;
};

}  // namespace sound
