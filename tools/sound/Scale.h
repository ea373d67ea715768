#pragma once

#include <array>

namespace sound {

// Seven notes from a tonic, counted in diatonic degrees. A chord is the
// scale of its key started on the chord's root: degrees 0, 2 and 4 are its
// triad, and every other degree is a note of the key.
class Scale {
public:
    static Scale major(int tonic);
    static Scale naturalMinor(int tonic);
    // Minor with a raised seventh, for a major dominant chord.
    static Scale harmonicMinor(int tonic);

    int tonic() const { return tonic_; }
    // Any degree: 7 is the tonic an octave up, -1 the note below the tonic.
    int pitch(int degree) const;
    Scale on(int degree) const;
    // The same scale moved by whole octaves so its tonic lies in [low, low + 12).
    Scale near(int low) const;
    // The highest note of the scale below the given pitch.
    int below(int pitch) const;

    bool operator==(const Scale&) const = default;

private:
    Scale(int tonic, std::array<int, 7> steps) : tonic_(tonic), steps_(steps) {}

    int tonic_;
    std::array<int, 7> steps_;
};

// A pitch moved by whole octaves into [low, low + 12).
int placeIn(int pitch, int low);

}  // namespace sound
