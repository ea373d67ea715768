#pragma once
#include "media/ClockTrack.h"
#include "media/TrackMediaService.h"

// Plays media on a virtual clock without any device: a file opens when it
// can be read and plays for its real length in the clock's milliseconds;
// sounds are silent, videos draw into the offscreen canvas.
class HeadlessMediaService : public TrackMediaService {
public:
    explicit HeadlessMediaService(ClockTrack::Clock clock) : clock_(std::move(clock)) {}
    ~HeadlessMediaService() override { closeAll(); }

protected:
    Result openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) override;

private:
    ClockTrack::Clock clock_;
};
