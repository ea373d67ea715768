#pragma once

#include "Scale.h"
#include "Timing.h"

#include <algorithm>
#include <vector>

namespace sound {

// A stretch of bars of a piece, one chord a bar. It looks into the harmony
// of the whole piece, so a part can lead into the chord that follows it.
class Section {
public:
    Section(const std::vector<Scale>& harmony, int firstBar, int bars)
        : harmony_(&harmony), firstBar_(firstBar), bars_(bars) {}

    int bars() const { return bars_; }
    const Scale& chord(int bar) const { return harmony_->at(static_cast<std::size_t>(firstBar_ + bar)); }
    const Scale& chordAfter(int bar) const {
        const int next = std::min(firstBar_ + bar + 1, static_cast<int>(harmony_->size()) - 1);
        return harmony_->at(static_cast<std::size_t>(next));
    }
    int tick(int bar, int step = 0) const { return barTick(firstBar_ + bar, step); }
    Section slice(int fromBar, int bars) const { return Section(*harmony_, firstBar_ + fromBar, bars); }

private:
    const std::vector<Scale>* harmony_;
    int firstBar_;
    int bars_;
};

}  // namespace sound
