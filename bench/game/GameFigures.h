#pragma once
#include <vector>

// CPU and memory of the game through one phase of a run.
struct PhaseFigures {
    double cpuPercent = 0;       // of one core, every thread
    double audioCpuPercent = 0;  // the part of the sound threads
    double peakRssMb = 0;
    double serverCpuPercent = -1;  // the display servers' in the same time, where known
};

// Play on the X display and natively on Wayland in a nested compositor,
// measured in turns.
struct DisplayComparison {
    std::vector<PhaseFigures> x11;
    std::vector<PhaseFigures> wayland;
};

// What the whole-game benchmark measured.
struct GameFigures {
    double startupMedianMs = 0;  // exec to the first window mapped
    double startupMinMs = 0;
    PhaseFigures titleWithIntro;
    PhaseFigures titleSilent;
    PhaseFigures play;
    PhaseFigures playFromIntro;  // the game started while the intro music sounded
    PhaseFigures paused;
    // The intro music stopped by "Přeskočit": how sharply its sound ends.
    double skipMusicDbfs = 0;  // its level over the 200 ms before the click
    double skipStepDbfs = 0;   // the largest step in its last 0.5 ms, into silence
    double skipEndMs = 0;      // from the click to its last sounding sample
    int shots = 0;
    int expectedLaserSounds = 0;
    int laserSounds = 0;
    double worstLaserStartMs = 0;
    double wakeLaserStartMs = 0;  // the sound after 5 s of silence
    double songLengthMs = 0;
    double songPositionAtEndMs = 0;
    double songSoundedMs = 0;
};
