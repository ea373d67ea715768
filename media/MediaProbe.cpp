#include "media/MediaProbe.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "media/MediaErrors.h"
#include "media/MidiSequence.h"

namespace {

std::string lowerExtension(const std::string& fileName) {
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

MediaFacts waveFacts(const std::string& fileName) {
    SDL_AudioSpec spec;
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV(fileName.c_str(), &spec, &samples, &bytes)) return {media_error::kDamagedFile};
    SDL_FreeWAV(samples);
    std::uint64_t frameSize = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    return {0, MediaKind::Wave, framesToMilliseconds(bytes / frameSize, spec.freq)};
}

MediaFacts midiFacts(const std::string& fileName) {
    std::optional<std::uint64_t> frames = MidiSequence::lengthInFrames(fileName, kMidiProbeRate);
    if (!frames) return {media_error::kDamagedFile};
    return {0, MediaKind::Midi, framesToMilliseconds(*frames, kMidiProbeRate)};
}

MediaFacts videoFacts(const std::string& fileName) {
    try {
        auto video = std::make_unique<VideoDecoder>(fileName);
        std::uint64_t length = video->length();
        if (length == 0) return {media_error::kDamagedFile};
        return {0, MediaKind::Video, length, std::move(video)};
    } catch (const std::runtime_error&) {
        return {media_error::kDamagedFile};
    }
}

}  // namespace

std::optional<MediaKind> mediaKindOf(const std::string& fileName) {
    std::string extension = lowerExtension(fileName);
    if (extension == ".wav") return MediaKind::Wave;
    if (extension == ".mid" || extension == ".midi") return MediaKind::Midi;
    if (extension == ".avi") return MediaKind::Video;
    return std::nullopt;
}

MediaFacts probeMedia(const std::string& fileName) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(fileName, ignored)) return {media_error::kFileNotFound};
    auto kind = mediaKindOf(fileName);
    if (!kind) return {media_error::kUnsupportedType};
    switch (*kind) {
    case MediaKind::Wave: return waveFacts(fileName);
    case MediaKind::Midi: return midiFacts(fileName);
    case MediaKind::Video: return videoFacts(fileName);
    }
    return {media_error::kUnsupportedType};
}

std::uint64_t framesToMilliseconds(std::uint64_t frames, int sampleRate) {
    return frames * 1000 / static_cast<std::uint64_t>(sampleRate);
}
