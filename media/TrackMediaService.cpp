#include "media/TrackMediaService.h"

#include <vector>

#include "frame/FileAccess.h"
#include "media/MediaErrors.h"
#include "media/MediaFacts.h"
#include "media/OpeningFile.h"

MediaService::Result TrackMediaService::open(const std::string& fileName, Device& device) {
    // Both back ends open files by name through their libraries; only a
    // regular file gets that far, so none of them can block on a pipe.
    switch (checkRegularFile(fileName)) {
    case FileFault::Missing: return media_error::kFileNotFound;
    case FileFault::Unreadable: return media_error::kFileUnreadable;
    case FileFault::None: break;
    }
    std::unique_ptr<MediaTrack> track;
    Result failure = 0;
    {
        OpeningFile opening;
        failure = openTrack(fileName, track);
    }
    if (failure) return failure;
    device = next_++;
    tracks_.emplace(device, Entry{std::move(track), mediaKindOf(fileName) == MediaKind::Midi, {}});
    return media_error::kNone;
}

void TrackMediaService::close(Device device) { tracks_.erase(device); }

MediaTrack* TrackMediaService::find(Device device) const {
    auto it = tracks_.find(device);
    return it == tracks_.end() ? nullptr : it->second.track.get();
}

bool TrackMediaService::hasVideo(Device device) const {
    MediaTrack* track = find(device);
    return track && track->hasVideo();
}

MediaService::Result TrackMediaService::setDisplay(Device device, ContentHost& display) {
    MediaTrack* track = find(device);
    return track ? track->setDisplay(display) : media_error::kBadDevice;
}

std::uint64_t TrackMediaService::position(Device device) {
    MediaTrack* track = find(device);
    return track ? track->position() : 0;
}

std::uint64_t TrackMediaService::length(Device device) {
    MediaTrack* track = find(device);
    return track ? track->length() : 0;
}

MediaService::Result TrackMediaService::seekToStart(Device device) {
    MediaTrack* track = find(device);
    return track ? track->rewind() : media_error::kBadDevice;
}

MediaService::Result TrackMediaService::play(Device device) {
    MediaTrack* track = find(device);
    if (!track) return media_error::kBadDevice;
    Result result = track->play();
    if (tracks_.at(device).music && track->playing()) stopOtherMusic(device);
    return result;
}

// The notices go out once every other piece has stopped, since a notice's
// handler may ask the service for more, even close a device.
void TrackMediaService::stopOtherMusic(Device playing) {
    std::vector<Device> stopped;
    for (auto& [device, entry] : tracks_) {
        if (device == playing || !entry.music || !entry.track->playing()) continue;
        entry.track->stop();
        stopped.push_back(device);
    }
    for (Device device : stopped) {
        auto it = tracks_.find(device);
        if (it != tracks_.end() && it->second.superseded) it->second.superseded();
    }
}

MediaService::Result TrackMediaService::stop(Device device) {
    MediaTrack* track = find(device);
    return track ? track->stop() : media_error::kBadDevice;
}

void TrackMediaService::onSuperseded(Device device, std::function<void()> superseded) {
    auto it = tracks_.find(device);
    if (it != tracks_.end()) it->second.superseded = std::move(superseded);
}

bool TrackMediaService::playing(Device device) {
    MediaTrack* track = find(device);
    return track && track->playing();
}

std::string TrackMediaService::errorText(Result error) const { return media_error::text(error); }
