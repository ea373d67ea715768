#pragma once

#include "art/Vec2.h"

namespace video {

// When and where things happen in the intro, as functions of time in seconds.
// The ship streaks in, hovers, dodges the station's shot and races off past
// the Moon; then the title takes over the sky.
class Choreography {
public:
    // The Moon and the station drift slowly as the camera pans.
    art::Vec2 moonCentre(float t) const;
    art::Vec2 stationCentre(float t) const;
    // Whole picture, for the fade up from black at the start.
    float brightness(float t) const;

    bool shipInSight(float t) const;
    art::Vec2 shipCentre(float t) const;
    art::Vec2 shipVelocity(float t) const;  // pixels per second

    // Light gathering at the muzzle before the shot, 0..1.
    float charge(float t) const;
    // How far along its path the beam has reached, 0..1.
    float beamReach(float t) const;
    float beamStrength(float t) const;
    // Where the station aims: where the ship hovers, before it dodges.
    art::Vec2 beamAim() const;

    // Moon, station and ship together; they give way to the title.
    float sceneOpacity(float t) const;
    // The title's entrance, 0 (not yet) to 1 (settled).
    float titleReveal(float t) const;
    // A gleam across the settled title: its position 0..1, negative when not shown.
    float titleGleam(float t) const;
};

}  // namespace video
