#pragma once
#include <map>
#include <memory>

#include "media/MediaService.h"
#include "media/MediaTrack.h"

// A service that keeps each open device as a track; back ends only say how
// a file becomes a track. The rule of one piece of music at a time is kept
// here, for both back ends.
class TrackMediaService : public MediaService {
public:
    Result open(const std::string& fileName, Device& device) override;
    void close(Device device) override;
    bool hasVideo(Device device) const override;
    Result setDisplay(Device device, ContentHost& display) override;
    std::uint64_t position(Device device) override;
    std::uint64_t length(Device device) override;
    Result seekToStart(Device device) override;
    Result play(Device device) override;
    Result stop(Device device) override;
    void onSuperseded(Device device, std::function<void()> superseded) override;
    bool playing(Device device) override;
    std::string errorText(Result error) const override;

protected:
    virtual Result openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) = 0;
    // Every track must go before the back end that made it.
    void closeAll() { tracks_.clear(); }

private:
    struct Entry {
        std::unique_ptr<MediaTrack> track;
        bool music = false;
        std::function<void()> superseded;
    };
    MediaTrack* find(Device device) const;
    void stopOtherMusic(Device playing);

    std::map<Device, Entry> tracks_;
    Device next_ = 1;
};
