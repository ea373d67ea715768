#include "Choreography.h"

#include "art/Easing.h"

#include <algorithm>
#include <cmath>

namespace video {

using art::smoothstep;
using art::Vec2;

namespace {

constexpr Vec2 kMoonCentre{158.0f, 98.0f};
constexpr Vec2 kStationCentre{132.0f, 30.0f};
constexpr Vec2 kEntryStart{-30.0f, 4.0f};
constexpr Vec2 kEntryBend{26.0f, 60.0f};
constexpr Vec2 kHover{60.0f, 48.0f};
constexpr Vec2 kExitBend{128.0f, 92.0f};
constexpr Vec2 kExitEnd{236.0f, 96.0f};
constexpr float kDodge = 12.0f;  // pixels down, enough for the beam to clear the spikes

constexpr float kEntryFrom = 0.8f;
constexpr float kEntryTo = 2.2f;
constexpr float kDodgeFrom = 3.5f;
constexpr float kDodgeTo = 3.78f;
constexpr float kChargeFrom = 3.2f;
constexpr float kFire = 3.8f;
constexpr float kBeamGrown = 3.9f;
constexpr float kBeamFadeFrom = 4.2f;
constexpr float kBeamGone = 4.55f;
constexpr float kExitFrom = 4.45f;
constexpr float kExitTo = 5.3f;
constexpr float kTitleFrom = 5.3f;
constexpr float kTitleTo = 6.5f;
constexpr float kSceneFadeFrom = 6.2f;
constexpr float kSceneFadeTo = 7.0f;
constexpr float kGleamFrom = 7.0f;
constexpr float kGleamTo = 7.7f;

float progress(float t, float from, float to) { return std::clamp((t - from) / (to - from), 0.0f, 1.0f); }

Vec2 bezier(Vec2 a, Vec2 bend, Vec2 b, float u) {
    return a * ((1.0f - u) * (1.0f - u)) + bend * (2.0f * u * (1.0f - u)) + b * (u * u);
}

// Fast at first and braking hard: the streak in.
float brake(float u) { return 1.0f - std::pow(1.0f - u, 3.0f); }

// Slow off the mark, then ever faster: the race away.
float launch(float u) { return u * u * u; }

float bob(float t) { return 1.2f * std::sin((t - kEntryTo) * 3.4f); }

Vec2 pan(float t) { return {-1.1f * t, -0.25f * t}; }

}  // namespace

Vec2 Choreography::moonCentre(float t) const { return kMoonCentre + pan(t); }

Vec2 Choreography::stationCentre(float t) const { return kStationCentre + pan(t); }

float Choreography::brightness(float t) const { return smoothstep(0.0f, 0.6f, t); }

bool Choreography::shipInSight(float t) const { return t > kEntryFrom && t < kExitTo; }

Vec2 Choreography::shipCentre(float t) const {
    if (t < kEntryTo) {
        return bezier(kEntryStart, kEntryBend, kHover, brake(progress(t, kEntryFrom, kEntryTo)));
    }
    const Vec2 hovering = kHover + Vec2{0.0f, bob(t) + kDodge * smoothstep(kDodgeFrom, kDodgeTo, t)};
    return bezier(hovering, kExitBend, kExitEnd, launch(progress(t, kExitFrom, kExitTo)));
}

Vec2 Choreography::shipVelocity(float t) const {
    constexpr float kStep = 0.01f;
    return (shipCentre(t + kStep) - shipCentre(t - kStep)) * (0.5f / kStep);
}

float Choreography::charge(float t) const {
    return smoothstep(kChargeFrom, kFire, t) * (1.0f - smoothstep(kBeamGrown, kBeamFadeFrom, t));
}

float Choreography::beamReach(float t) const { return progress(t, kFire, kBeamGrown); }

float Choreography::beamStrength(float t) const {
    return t < kFire ? 0.0f : 1.0f - smoothstep(kBeamFadeFrom, kBeamGone, t);
}

Vec2 Choreography::beamAim() const { return kHover; }

float Choreography::sceneOpacity(float t) const { return 1.0f - smoothstep(kSceneFadeFrom, kSceneFadeTo, t); }

float Choreography::titleReveal(float t) const { return progress(t, kTitleFrom, kTitleTo); }

float Choreography::titleGleam(float t) const {
    return t < kGleamFrom || t > kGleamTo ? -1.0f : progress(t, kGleamFrom, kGleamTo);
}

}  // namespace video
