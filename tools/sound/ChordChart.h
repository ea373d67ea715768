#pragma once

#include "Scale.h"
#include "Section.h"

#include <vector>

namespace sound {

// The chords of a whole piece, laid down section by section. Sections keep
// pointing here, so a chart must outlive them and is never copied.
class ChordChart {
public:
    ChordChart() = default;
    ChordChart(const ChordChart&) = delete;
    ChordChart& operator=(const ChordChart&) = delete;

    // The next bars of the piece, one chord a bar.
    Section lay(const std::vector<Scale>& chords);
    Section whole() const;

private:
    std::vector<Scale> chords_;
};

}  // namespace sound
