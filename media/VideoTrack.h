#pragma once
#include <memory>

#include "frame/ContentHost.h"
#include "frame/Scheduler.h"
#include "media/MediaTrack.h"
#include "media/PlayClock.h"
#include "media/VideoDecoder.h"

// A video shown on a display while it plays: the display paints the picture
// due at the current position, and a ticker on the event loop asks for that
// paint once a frame. Without a display it only keeps time.
class VideoTrack : public MediaTrack, public WindowContent, public TimerQueue::Client {
public:
    VideoTrack(std::unique_ptr<VideoDecoder> decoder, std::uint64_t length, Scheduler& loop);
    ~VideoTrack() override;

    std::uint64_t length() const override { return clock_.length(); }
    std::uint64_t position() override { return clock_.position(loop_.now()); }
    bool playing() override { return clock_.playing(loop_.now()); }
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;
    bool hasVideo() const override { return true; }
    MediaService::Result setDisplay(ContentHost& display) override;

    void paint(Canvas& canvas) override;
    void tick() override;

private:
    bool startTicks();

    std::unique_ptr<VideoDecoder> decoder_;
    PlayClock clock_;
    Scheduler& loop_;
    ContentHost* display_ = nullptr;
};

// The track of a video file the probe has measured; null when it cannot be
// decoded.
std::unique_ptr<MediaTrack> openVideoTrack(const std::string& fileName, std::uint64_t length, Scheduler& loop);
