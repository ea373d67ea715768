#include "Score.h"

#include <algorithm>
#include <utility>

namespace sound {

Score::Score(std::string title, int beatsPerMinute, int silenceTicks)
    : title_(std::move(title)), beatsPerMinute_(beatsPerMinute), silenceTicks_(silenceTicks) {}

int Score::endTick() const {
    int end = 0;
    for (const Part& part : parts_) {
        end = std::max(end, part.endTick());
    }
    return end + silenceTicks_;
}

std::vector<MidiTrack> Score::tracks() const {
    MidiTrack conductor;
    conductor.name(title_);
    conductor.timeSignature(0, 4, 2);
    conductor.tempo(0, beatsPerMinute_);
    std::vector<MidiTrack> tracks{conductor};
    for (const Part& part : parts_) {
        tracks.push_back(part.track());
    }
    return tracks;
}

}  // namespace sound
