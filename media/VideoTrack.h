#pragma once
#include <functional>
#include <memory>

#include "frame/TimerQueue.h"
#include "frame/WindowContent.h"
#include "media/MediaTrack.h"
#include "media/PlayClock.h"
#include "media/VideoDecoder.h"

// A video shown in a windowed control while it plays: the control paints the
// picture due at the current position, and a ticker on the event loop asks
// for that paint once a frame. Without a control it only keeps time.
class VideoTrack : public MediaTrack, public WindowContent, public TimerQueue::Client {
public:
    using Clock = std::function<std::uint64_t()>;
    VideoTrack(std::unique_ptr<VideoDecoder> decoder, std::uint64_t length, Clock clock);
    ~VideoTrack() override;

    std::uint64_t length() const override { return clock_.length(); }
    std::uint64_t position() override { return clock_.position(now_()); }
    bool playing() override { return clock_.playing(now_()); }
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;
    bool hasVideo() const override { return true; }
    MediaService::Result setDisplay(TWinControl& display) override;

    void paint(Canvas& canvas) override;
    void tick() override;

private:
    TimerQueue* timers() const;
    void startTicks();
    void stopTicks();

    std::unique_ptr<VideoDecoder> decoder_;
    PlayClock clock_;
    Clock now_;
    TWinControl* display_ = nullptr;
};

// The track of a video file the probe has measured; null when it cannot be
// decoded.
std::unique_ptr<MediaTrack> openVideoTrack(const std::string& fileName, std::uint64_t length, VideoTrack::Clock clock);
