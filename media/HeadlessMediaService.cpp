#include "media/HeadlessMediaService.h"

MediaService::Result HeadlessMediaService::openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) {
    MediaFacts facts = probeMedia(fileName);
    if (facts.error) return facts.error;
    track = std::make_unique<ClockTrack>(facts, clock_);
    return media_error::kNone;
}
