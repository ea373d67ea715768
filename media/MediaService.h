#pragma once
#include <cstdint>
#include <functional>
#include <string>

class ContentHost;

// The platform's multimedia service: it decodes and plays media files on its
// own while the players only open, play, stop and close devices. Positions
// and lengths are in milliseconds. Requests answer an error code, 0 when
// they succeed. One piece of music sounds at a time: a play request that
// starts a MIDI piece stops any other that sounds, which keeps its position
// as after a stop.
class MediaService {
public:
    using Device = std::uint32_t;
    using Result = std::uint32_t;

    virtual ~MediaService() = default;
    // Opens a file on the device its extension selects; waits until done.
    virtual Result open(const std::string& fileName, Device& device) = 0;
    virtual void close(Device device) = 0;
    virtual bool hasVideo(Device device) const = 0;
    // From now on the device's video is drawn into that display.
    virtual Result setDisplay(Device device, ContentHost& display) = 0;
    virtual std::uint64_t position(Device device) = 0;
    virtual std::uint64_t length(Device device) = 0;
    virtual Result seekToStart(Device device) = 0;
    // Plays from the current position and returns at once.
    virtual Result play(Device device) = 0;
    virtual Result stop(Device device) = 0;
    // Runs `superseded` whenever another piece's play request stops the
    // device; replaces the one given before.
    virtual void onSuperseded(Device device, std::function<void()> superseded) = 0;
    // Whether the device is sounding (or showing) right now.
    virtual bool playing(Device device) = 0;
    // A readable text for an error code; empty when the service has none.
    virtual std::string errorText(Result error) const = 0;
    // The program's first screen is up: what it did not need may load now.
    virtual void firstScreenShown() {}
};
