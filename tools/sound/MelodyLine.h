#pragma once

#include "Motif.h"
#include "Part.h"
#include "Section.h"

#include <vector>

namespace sound {

// One instrument's share of a tune: the melody itself (offset 0), a doubling
// an octave down (-7), or a harmony (-2 kept to chord tones: the nearest
// chord note at least a third below the tune).
struct Voice {
    Part* part;
    int degreeOffset;
    int velocity;
    bool chordTonesOnly = false;
};

// Sets motifs over the chords of a section, each one moved by octaves to sit
// close to the note before it while staying inside the tune's range.
class MelodyLine {
public:
    MelodyLine(int low, int high, int anchor);

    // One motif a bar from the section's first bar; an empty motif rests.
    void play(const Section& section, const std::vector<Motif>& phrase, const std::vector<Voice>& voices);

private:
    void playMotif(int tick, const Scale& chord, const Motif& motif, const std::vector<Voice>& voices);
    int octaveShift(const Scale& chord, const Motif& motif) const;
    static int degreeFor(const Voice& voice, int degree);

    int low_;
    int high_;
    int last_;
};

}  // namespace sound
