#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/game/ProcessProbe.h"

// CPU and memory of the game through one phase of a run.
struct PhaseFigures {
    double cpuPercent = 0;       // of one core, every thread
    double audioCpuPercent = 0;  // the part of the sound threads
    double peakRssMb = 0;
    double serverCpuPercent = -1;                    // the display servers' in the same time, where known
    double rssMb = 0;                                // at the phase's end
    Memory withChildrenPeak;                         // the game and the processes it started, summed
    std::map<std::string, double> threadCpuPercent;  // by the threads' names
};

// A program's starts: exec to its first window mapped.
struct StartupFigures {
    std::string program;
    double medianMs = 0;
    double minMs = 0;
    // The game's own stages (StageLog), median milliseconds from exec.
    std::vector<std::pair<std::string, double>> stages;
};

// Play on the X display and natively on Wayland in a nested compositor,
// measured in turns.
struct DisplayComparison {
    std::vector<PhaseFigures> x11;
    std::vector<PhaseFigures> wayland;
};

// What the whole-game benchmark measured.
struct GameFigures {
    StartupFigures startup;
    std::vector<StartupFigures> peers;  // measured in turns with the game
    // Each peer on the screen it opens on, with its music, as the game's
    // title is measured; peakRssMb is over its whole run so far.
    std::vector<std::pair<std::string, PhaseFigures>> peerTitles;
    PhaseFigures titleWithIntro;
    PhaseFigures titleSilent;
    PhaseFigures play;
    PhaseFigures playFromIntro;  // the game started while the intro music sounded
    PhaseFigures paused;
    // The high-water mark over a whole run: intro, skip, and the play phase.
    double wholeRunPeakMb = 0;
    std::vector<MappedRss> playMappings;  // at the end of the play phase
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
