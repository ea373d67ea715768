#include "media/MediaProbe.h"

#include <SDL.h>

#include "media/BlankVideo.h"
#include "media/MediaErrors.h"
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

}  // namespace

const MediaReader kLibraryReader{waveFacts, VideoDecoder::open};
const MediaReader kSoundCardReader{waveFacts, BlankVideo::open};

MediaFacts probeMedia(const std::string& fileName) { return probeMedia(fileName, kLibraryReader); }
