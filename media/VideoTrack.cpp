#include "media/VideoTrack.h"

#include "frame/Application.h"

VideoTrack::VideoTrack(std::unique_ptr<VideoDecoder> decoder, std::uint64_t length, Clock clock)
    : decoder_(std::move(decoder)), clock_(length), now_(std::move(clock)) {}

VideoTrack::~VideoTrack() {
    stopTicks();
    if (display_) display_->setContent(nullptr);
}

TimerQueue* VideoTrack::timers() const {
    TForm* form = display_ ? display_->form() : nullptr;
    return form ? &form->application().timers() : nullptr;
}

void VideoTrack::startTicks() {
    if (TimerQueue* queue = timers(); queue && !queue->running(*this))
        queue->start(*this, decoder_->frameInterval(), display_->form()->application().platform().now());
}

void VideoTrack::stopTicks() {
    if (TimerQueue* queue = timers()) queue->stop(*this);
}

MediaService::Result VideoTrack::setDisplay(TWinControl& display) {
    stopTicks();
    if (display_) display_->setContent(nullptr);
    display_ = &display;
    display_->setContent(this);
    if (playing()) startTicks();
    return media_error::kNone;
}

MediaService::Result VideoTrack::rewind() {
    clock_.rewind();
    decoder_->rewind();
    stopTicks();
    if (display_) display_->invalidate();
    return media_error::kNone;
}

MediaService::Result VideoTrack::play() {
    clock_.run(now_());
    startTicks();
    return media_error::kNone;
}

MediaService::Result VideoTrack::stop() {
    clock_.halt(now_());
    stopTicks();
    return media_error::kNone;
}

// Drawn at its own size from the top-left corner; the canvas clips it.
void VideoTrack::paint(Canvas& canvas) { canvas.drawBitmap(decoder_->pictureAt(position()), 0, 0, false); }

void VideoTrack::tick() {
    display_->invalidate();
    if (!playing()) stopTicks();
}

std::unique_ptr<MediaTrack> openVideoTrack(const std::string& fileName, std::uint64_t length, VideoTrack::Clock clock) {
    try {
        return std::make_unique<VideoTrack>(std::make_unique<VideoDecoder>(fileName), length, std::move(clock));
    } catch (const std::runtime_error&) {
        return nullptr;
    }
}
