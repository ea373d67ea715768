#include "media/HeadlessMediaService.h"

#include "media/ClockTrack.h"
#include "media/VideoTrack.h"

MediaService::Result HeadlessMediaService::openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) {
    MediaFacts facts = probeMedia(fileName, reader_);
    if (facts.error) return facts.error;
    if (facts.kind == MediaKind::Video)
        track = std::make_unique<VideoTrack>(std::move(facts.video), fileName, facts.length, loop_, reader_.video);
    else track = std::make_unique<ClockTrack>(facts.length, [this] { return loop_.now(); });
    return media_error::kNone;
}
