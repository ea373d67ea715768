#include "media/MediaPlayer.h"

#include "frame/Application.h"

TMediaPlayer::TMediaPlayer(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) {
    setTabStop(true);
}

TMediaPlayer::~TMediaPlayer() { Close(); }

void TMediaPlayer::loaded() {
    TWinControl::loaded();
    if (autoOpen_) Open();
}

void TMediaPlayer::Open() {
    Close();
    MediaService& service = mediaService();
    MediaService::Device device = 0;
    if (MediaService::Result failure = service.open(fileName_, device)) {
        std::string text = service.errorText(failure);
        throw EMCIDeviceError(text.empty() ? "Unknown error code" : text);
    }
    device_ = device;
    hasVideo_ = service.hasVideo(device_);
    // Without a window to draw in, the video is simply not shown.
    if (hasVideo_ && display_ && service.setDisplay(device_, *display_)) display_ = nullptr;
}

void TMediaPlayer::requireOpen() const {
    if (!isOpen()) throw EMCIDeviceError("No MCI device open");
}

void TMediaPlayer::Play() {
    requireOpen();
    ++plays_;
    MediaService& service = mediaService();
    if (autoRewind_ && service.position(device_) == service.length(device_)) service.seekToStart(device_);
    error_ = service.play(device_);
    TForm* screen = form();
    watch_.played(error_ != 0, screen ? &screen->application() : nullptr);
}

void TMediaPlayer::Stop() {
    requireOpen();
    ++stops_;
    error_ = mediaService().stop(device_);
    watch_.stopped();
}

void TMediaPlayer::Close() {
    if (!isOpen()) return;
    watch_.cancel();
    mediaService().close(device_);
    device_ = 0;
    hasVideo_ = false;
}

void TMediaPlayer::notify(TMPNotifyValues how) {
    notifyValue_ = how;
    if (OnNotify) OnNotify(this);
}

bool TMediaPlayer::playing() const { return isOpen() && mediaService().playing(device_); }

std::uint64_t TMediaPlayer::position() const { return isOpen() ? mediaService().position(device_) : 0; }

std::uint64_t TMediaPlayer::length() const { return isOpen() ? mediaService().length(device_) : 0; }
