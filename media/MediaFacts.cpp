#include "media/MediaFacts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "media/MediaErrors.h"
#include "media/MidiFile.h"
#include "media/MidiLength.h"

namespace {

std::string lowerExtension(const std::string& fileName) {
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

MediaFacts midiFacts(const std::string& fileName) {
    std::optional<std::uint64_t> frames = midiLengthInFrames(MidiFile::read(fileName), kMidiProbeRate);
    if (!frames) return {media_error::kDamagedFile};
    return {0, MediaKind::Midi, framesToMilliseconds(*frames, kMidiProbeRate)};
}

MediaFacts videoFacts(const std::string& fileName, VideoOpener open) {
    try {
        std::unique_ptr<VideoSource> video = open(fileName);
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

MediaFacts probeMedia(const std::string& fileName, const MediaReader& reader) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(fileName, ignored)) return {media_error::kFileNotFound};
    auto kind = mediaKindOf(fileName);
    if (!kind) return {media_error::kUnsupportedType};
    switch (*kind) {
    case MediaKind::Wave: return reader.wave(fileName);
    case MediaKind::Midi: return midiFacts(fileName);
    case MediaKind::Video: return videoFacts(fileName, reader.video);
    }
    return {media_error::kUnsupportedType};
}

std::uint64_t framesToMilliseconds(std::uint64_t frames, int sampleRate) {
    return frames * 1000 / static_cast<std::uint64_t>(sampleRate);
}
