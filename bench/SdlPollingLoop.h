#pragma once

class CountingPlatform;
class TApplication;

// The loop many small SDL games run, for comparison: handle whatever is
// pending, including due timers, then sleep 1 ms, until terminated.
void runPollingLoop(TApplication& application, CountingPlatform& platform);
