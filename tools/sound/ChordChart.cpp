#include "ChordChart.h"

namespace sound {

Section ChordChart::lay(const std::vector<Scale>& chords) {
    const int first = static_cast<int>(chords_.size());
    chords_.insert(chords_.end(), chords.begin(), chords.end());
    return Section(chords_, first, static_cast<int>(chords.size()));
}

Section ChordChart::whole() const { return Section(chords_, 0, static_cast<int>(chords_.size())); }

}  // namespace sound
