#pragma once
#include <string>

#include "frame/Exception.h"
#include "frame/WinControl.h"
#include "media/MediaService.h"
#include "media/PlayWatch.h"

// Raised when a media file cannot be opened, or a request finds no device.
class EMCIDeviceError : public Exception {
public:
    explicit EMCIDeviceError(const std::string& message) : Exception("EMCIDeviceError", message) {}
};

// An invisible control that holds one media file open on the multimedia
// service and asks it to play and stop. Playback runs in the service, which
// must outlive the player; `loop` carries the completion notices.
class TMediaPlayer : public TWinControl {
public:
    TMediaPlayer(std::string name, MediaService& service, Scheduler& loop);
    ~TMediaPlayer() override;

    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string fileName) { fileName_ = std::move(fileName); }
    void setAutoOpen(bool autoOpen) { autoOpen_ = autoOpen; }
    TWinControl* display() const { return display_; }
    void setDisplay(TWinControl* display) { display_ = display; }

    // Opens the file on the device its extension selects; raises on failure.
    void Open();
    // Plays from the current position, from the start once played out.
    void Play();
    // Halts; the position stays where it stopped.
    void Stop();
    void Close();

    bool isOpen() const { return device_ != 0; }
    bool hasVideo() const { return hasVideo_; }
    // The service's answer to the last play or stop request.
    MediaService::Result error() const { return error_; }
    // Play and stop requests so far.
    int plays() const { return plays_; }
    int stops() const { return stops_; }
    bool playing() const;
    std::uint64_t position() const;
    std::uint64_t length() const;
    // How the last play request that has ended came to its end.
    TMPNotifyValues notifyValue() const { return notifyValue_; }

    // Runs when a play request has ended, as notifyValue() tells.
    TNotifyEvent OnNotify;

    void loaded() override;

private:
    void requireOpen() const;
    void notify(TMPNotifyValues how);
    std::uint64_t remaining() const { return playing() ? length() - position() : 0; }

    MediaService& service_;
    std::string fileName_;
    bool autoOpen_ = false;
    TWinControl* display_ = nullptr;
    MediaService::Device device_ = 0;
    bool hasVideo_ = false;
    MediaService::Result error_ = 0;
    int plays_ = 0;
    int stops_ = 0;
    TMPNotifyValues notifyValue_ = TMPNotifyValues::nvSuccessful;
    PlayWatch watch_;
};
