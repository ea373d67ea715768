#include "Scale.h"

namespace sound {

namespace {

int floorDiv(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

}  // namespace

Scale Scale::major(int tonic) { return Scale(tonic, {0, 2, 4, 5, 7, 9, 11}); }

Scale Scale::naturalMinor(int tonic) { return Scale(tonic, {0, 2, 3, 5, 7, 8, 10}); }

Scale Scale::harmonicMinor(int tonic) { return Scale(tonic, {0, 2, 3, 5, 7, 8, 11}); }

int Scale::pitch(int degree) const {
    const int octave = floorDiv(degree, 7);
    return tonic_ + 12 * octave + steps_[static_cast<std::size_t>(degree - 7 * octave)];
}

Scale Scale::on(int degree) const {
    std::array<int, 7> steps{};
    for (int i = 0; i < 7; ++i) {
        steps[static_cast<std::size_t>(i)] = pitch(degree + i) - pitch(degree);
    }
    return Scale(pitch(degree), steps);
}

Scale Scale::near(int low) const { return Scale(placeIn(tonic_, low), steps_); }

int Scale::below(int target) const {
    int degree = 7 * floorDiv(target - tonic_, 12) + 7;
    while (pitch(degree) >= target) {
        --degree;
    }
    return pitch(degree);
}

int placeIn(int pitch, int low) { return pitch - 12 * floorDiv(pitch - low, 12); }

}  // namespace sound
