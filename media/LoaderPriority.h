#pragma once

// Lowers the calling thread's priority below the program's others: a loader
// that runs while the first window is being made then takes only a core the
// window's thread leaves free.
void lowerLoaderPriority();
// FluidSynth prepares a sound bank's samples in OpenMP's worker threads,
// which spin while they wait for work: beside the program's other threads
// on two cores that made the loading slower (40 ms against 26). Loads made
// from the calling thread from now on use that thread alone, where the
// synthesizer's library has OpenMP.
void loadOnThisThreadOnly();
