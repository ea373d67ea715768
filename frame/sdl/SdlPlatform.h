#pragma once
#include <chrono>
#include <stdexcept>
#include <vector>

#include "frame/Platform.h"
#include "frame/sdl/BmpFile.h"
#include "frame/sdl/SdlTypesetter.h"

class SdlWindow;
union SDL_Event;

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
    Typesetter& typesetter() override { return typesetter_; }
    PictureReader& pictures() override { return pictures_; }
    bool nextEvent(InputEvent& event, int timeoutMs) override;
    void showFatalError(const std::string& title, const std::string& text) override;
    void openDocument(const std::string& address) override;

private:
    bool takeEvent(SDL_Event& event, int timeoutMs);
    bool waitUntil(SDL_Event& event, std::uint64_t dueMs);

    std::chrono::steady_clock::time_point start_;
    std::uint64_t lastPump_ = ~std::uint64_t{0};
    std::vector<SdlWindow*> windows_;
    SdlTypesetter typesetter_;
    BmpReader pictures_;
    bool hangUpInstalled_ = false;
};
