#include "media/MediaPlayer.h"

#include "frame/FileAccess.h"

TMediaPlayer::TMediaPlayer(std::string name, MediaService& service, Scheduler& loop)
    : TWinControl(std::move(name)),
      service_(service),
      watch_(
          loop, [this](TMPNotifyValues how) { notify(how); }, [this] { return remaining(); }) {
    setTabStop(true);
}

TMediaPlayer::~TMediaPlayer() { Close(); }

void TMediaPlayer::loaded() {
    TWinControl::loaded();
    if (autoOpen_) Open();
}

void TMediaPlayer::Open() {
    Close();
    MediaService::Device device = 0;
    if (MediaService::Result failure = service_.open(fileName_, device)) {
        std::string text = service_.errorText(failure);
        throw EMCIDeviceError(fileErrorText(text.empty() ? "Unknown error code" : text, fileName_));
    }
    device_ = device;
    service_.onSuperseded(device_, [this] { watch_.superseded(); });
    hasVideo_ = service_.hasVideo(device_);
    // Without a window to draw in, the video is simply not shown.
    if (hasVideo_ && display_ && service_.setDisplay(device_, *display_)) display_ = nullptr;
}

void TMediaPlayer::requireOpen() const {
    if (!isOpen()) throw EMCIDeviceError("No MCI device open");
}

void TMediaPlayer::Play() {
    requireOpen();
    ++plays_;
    if (service_.position(device_) == service_.length(device_)) service_.seekToStart(device_);
    error_ = service_.play(device_);
    watch_.played(error_ != 0);
}

void TMediaPlayer::Stop() {
    requireOpen();
    ++stops_;
    error_ = service_.stop(device_);
    watch_.stopped();
}

void TMediaPlayer::Close() {
    if (!isOpen()) return;
    watch_.cancel();
    service_.close(device_);
    device_ = 0;
    hasVideo_ = false;
}

void TMediaPlayer::notify(TMPNotifyValues how) {
    notifyValue_ = how;
    if (OnNotify) OnNotify(this);
}

bool TMediaPlayer::playing() const { return isOpen() && service_.playing(device_); }

std::uint64_t TMediaPlayer::position() const { return isOpen() ? service_.position(device_) : 0; }

std::uint64_t TMediaPlayer::length() const { return isOpen() ? service_.length(device_) : 0; }
