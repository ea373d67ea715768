#pragma once

#include <cstdint>
#include <vector>

namespace sound {

// Interleaved 16-bit samples, ready for a WAV file.
struct Pcm {
    int rate = 44100;
    int channels = 1;
    std::vector<std::int16_t> samples;
};

// Scales a mono signal so that its loudest sample sits at peakDbfs.
Pcm toPcm(const std::vector<double>& signal, int rate, double peakDbfs);

double seconds(const Pcm& pcm);
// Levels against full scale (32767).
double peakDbfs(const Pcm& pcm);
double rmsDbfs(const Pcm& pcm);
// Decibels of a level given in sixteen-bit sample units.
double toDbfs(double level);

}  // namespace sound
