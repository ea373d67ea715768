#pragma once
#include <stdexcept>

#include "frame/Platform.h"

// Thrown when no display can be opened.
class NoDisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Real borderless windows on software surfaces through SDL2. The event loop
// sleeps in the window system until input arrives or the next timer is due.
class SdlPlatform : public Platform {
public:
    SdlPlatform();
    ~SdlPlatform() override;

    std::uint64_t now() override;
    std::uint32_t utcMillisecondOfDay() override;
    Size screenSize() override;
    std::unique_ptr<PlatformWindow> createWindow(Size size, WindowKind kind) override;
    bool nextEvent(InputEvent& event, int timeoutMs) override;
    void showFatalError(const std::string& title, const std::string& text) override;
    void openDocument(const std::string& address) override;
};
