#pragma once

// Lowers the calling thread's priority below the program's others: a loader
// that runs while the first window is being made then takes only a core the
// window's thread leaves free.
void lowerLoaderPriority();
