#include "LaserShot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sound {

namespace {

constexpr int kRate = 44100;
constexpr double kLength = 0.46;
// About 5 LU above the music's loudness: clear over it, not on top of it.
constexpr double kPeakDbfs = -9.5;

constexpr double kSweepFrom = 2200.0;
constexpr double kSweepTo = 200.0;
constexpr double kSweepTime = 0.08;
// The modulation fades faster than the pitch: bright zap, then a rounder tail.
constexpr double kBrightness = 2.5;
constexpr double kBrightnessTime = 0.04;

constexpr double kAttack = 0.002;
constexpr double kDecayTime = 0.13;
constexpr double kFadeOut = 0.03;
constexpr double kHissLevel = 0.45;
constexpr double kHissTime = 0.01;
// One-pole low-pass near 8 kHz takes the edge off the FM sidebands.
constexpr double kSmoothing = 0.68;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double frequency(double seconds) { return kSweepTo + (kSweepFrom - kSweepTo) * std::exp(-seconds / kSweepTime); }

// Starts and ends at exactly zero so the shot never clicks.
double envelope(double seconds) {
    const double attack = std::min(1.0, seconds / kAttack);
    const double fade = std::clamp((kLength - seconds) / kFadeOut, 0.0, 1.0);
    const double fadeShape = 0.5 - 0.5 * std::cos(std::numbers::pi * fade);
    return attack * std::exp(-seconds / kDecayTime) * fadeShape;
}

void advance(double& phase, double hertz) { phase = std::fmod(phase + kTwoPi * hertz / kRate, kTwoPi); }

}  // namespace

LaserShot::LaserShot() : dice_(0x1A5E5u) {}

Pcm LaserShot::render() {
    const int count = static_cast<int>(kLength * kRate) + 1;
    std::vector<double> signal;
    signal.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        signal.push_back(next(static_cast<double>(i) / kRate));
    }
    return toPcm(signal, kRate, kPeakDbfs);
}

double LaserShot::next(double seconds) {
    smoothed_ += kSmoothing * (tone(seconds) + hiss(seconds) - smoothed_);
    return envelope(seconds) * smoothed_;
}

double LaserShot::tone(double seconds) {
    const double hertz = frequency(seconds);
    const double index = 0.5 + kBrightness * std::exp(-seconds / kBrightnessTime);
    const double voice = std::sin(carrierPhase_ + index * std::sin(modulatorPhase_));
    const double chorus = std::sin(detunedPhase_);
    const double body = std::sin(subPhase_);
    advance(carrierPhase_, hertz);
    advance(modulatorPhase_, 2.0 * hertz);
    advance(detunedPhase_, 1.006 * hertz);
    advance(subPhase_, 0.5 * hertz);
    return 0.6 * voice + 0.25 * chorus + 0.2 * body;
}

double LaserShot::hiss(double seconds) {
    hissState_ += 0.35 * (dice_.signedUnit() - hissState_);
    return kHissLevel * std::exp(-seconds / kHissTime) * hissState_;
}

}  // namespace sound
