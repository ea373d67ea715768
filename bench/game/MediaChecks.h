#pragma once
#include <vector>

// The laser played straight through the game's sound-card service at set
// times, two shots within one sound among them, the last sound after
// 5 s of silence, which a device that sleeps in silence has slept through.
struct LaserCheck {
    int shots = 0;
    int expectedSounds = 0;
    int sounds = 0;  // heard in the mix
    // From a play request that starts a sound to the mix holding its first
    // sample: the worst case, and that of the sound after the silence.
    double worstStartMs = 0;
    double wakeStartMs = 0;
};

// The game music played to its end through the same service, as fast as
// the disk driver takes the mix.
struct SongCheck {
    double lengthMs = 0;
    double positionAtEndMs = 0;  // where it stood once it stopped sounding
    double soundedMs = 0;        // from its first sounding sample to its last
};

// Each check runs the service in a process of its own on SDL's disk driver,
// from the folder holding data/.
LaserCheck checkLaser();
SongCheck checkSong();
