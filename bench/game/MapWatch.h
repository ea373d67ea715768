#pragma once
#include <chrono>
#include <optional>
#include <string>

struct _XDisplay;

// A top-level window the X server has just mapped, and when the bench heard.
struct MappedWindow {
    unsigned long window = 0;
    std::chrono::steady_clock::time_point at;
};

// Listens on a display's root window for its children being mapped.
class MapWatch {
public:
    // Throws when the display cannot be opened.
    explicit MapWatch(const std::string& display);
    ~MapWatch();
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // The next window mapped, or none within `timeout`.
    std::optional<MappedWindow> next(std::chrono::milliseconds timeout);

private:
    _XDisplay* display_;
};
