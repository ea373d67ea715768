#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "media/MediaService.h"
#include "media/VideoSource.h"

// What the service needs to know of a media file before playing it.
enum class MediaKind { Wave, Midi, Video };

// The device a file's extension selects (.wav, .mid, .avi, in any case).
std::optional<MediaKind> mediaKindOf(const std::string& fileName);

struct MediaFacts {
    MediaService::Result error = 0;
    MediaKind kind = MediaKind::Wave;
    std::uint64_t length = 0;  // milliseconds
    // A video is measured by opening it, and is handed on open, so that
    // its library is loaded once.
    std::unique_ptr<VideoSource> video = nullptr;
};

// How a back end reads the files it plays: the facts of a wave file, and a
// video opened (throwing std::runtime_error when it cannot be). MIDI pieces
// are measured alike by every back end, from their tempo map.
using WaveMeasure = MediaFacts (*)(const std::string& fileName);
using VideoOpener = std::unique_ptr<VideoSource> (*)(const std::string& fileName);
struct MediaReader {
    WaveMeasure wave;
    VideoOpener video;
};

// Reads a file's kind and length without playing it; the error a service
// answers when the file cannot be opened.
MediaFacts probeMedia(const std::string& fileName, const MediaReader& reader);

// The sample rate MIDI pieces are measured at when no sound device says.
constexpr int kMidiProbeRate = 44100;

std::uint64_t framesToMilliseconds(std::uint64_t frames, int sampleRate);
