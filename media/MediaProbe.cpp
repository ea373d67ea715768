#include "media/MediaProbe.h"

#include <SDL.h>

#include <stdexcept>

#include "media/BlankVideo.h"
#include "media/MediaErrors.h"
#include "media/RiffFile.h"
#include "media/VideoDecoder.h"

namespace {

MediaFacts waveFacts(const std::string& fileName) {
    SDL_AudioSpec spec;
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV(fileName.c_str(), &spec, &samples, &bytes)) return {media_error::kDamagedFile};
    SDL_FreeWAV(samples);
    std::uint64_t frameSize = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    return {0, MediaKind::Wave, framesToMilliseconds(bytes / frameSize, spec.freq)};
}

// The header as BlankVideo reads it, whole up to the pictures' list: a file
// cut inside its header the video library refuses, and so does this.
std::unique_ptr<VideoSource> headerVideo(const std::string& fileName) {
    std::unique_ptr<VideoSource> video = BlankVideo::open(fileName);
    RiffFile file(fileName);
    std::optional<RiffFile::Chunk> avi = file.form("AVI ");
    if (!avi || file.lists(*avi, "movi").empty()) throw std::runtime_error("no pictures in " + fileName);
    return video;
}

}  // namespace

const MediaReader kLibraryReader{waveFacts, VideoDecoder::open};
const MediaReader kSoundCardReader{waveFacts, headerVideo};

MediaFacts probeMedia(const std::string& fileName) { return probeMedia(fileName, kLibraryReader); }
