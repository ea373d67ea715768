#pragma once
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "frame/Platform.h"
#include "frame/sdl/BmpFile.h"
#include "frame/sdl/SdlTypesetter.h"
#include "frame/sdl/WindowIcon.h"

class SdlWindow;
union SDL_Event;
struct SDL_KeyboardEvent;

// Thrown when no display can be opened.
class NoDisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Real borderless windows through SDL2, on X11 or natively on Wayland. The
// event loop sleeps in the window system until input arrives, the next
// timer is due or a termination signal comes (see TerminationWatch).
// Windows are scaled by a whole number chosen at start (see ScaleChoice);
// sizes, places and pointer positions reach the frame in logical pixels.
// F11, Alt+Enter and, in fullscreen, Escape are taken before the frame's
// key routing to switch the focused window in and out of fullscreen.
class SdlPlatform : public Platform {
public:
    // The screens' windows show the icon at `iconPath` (PNG) when it can be read.
    explicit SdlPlatform(const std::string& iconPath = {});
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
    std::unique_ptr<PlatformWindow> createTooltip(Size size);
    bool takeEvent(SDL_Event& event, int timeoutMs);
    bool waitUntil(SDL_Event& event, std::uint64_t dueMs);
    // Before the first window and on Wayland: SDL's own wait, then the last fraction.
    bool waitInSteps(SDL_Event& event, std::chrono::steady_clock::time_point deadline);
    SdlWindow* windowWithId(std::uint32_t id) const;
    bool takeFullscreenKey(const SDL_KeyboardEvent& key);
    void toLogical(InputEvent& event);

    std::chrono::steady_clock::time_point start_;
    std::uint64_t lastPump_ = ~std::uint64_t{0};
    std::vector<SdlWindow*> windows_;
    // The window system's connection, known once a window exists; -1 before.
    int connection_ = -1;
    int scale_ = 1;
    // A tool-tip takes the scale of the window the pointer was last over.
    int pointerScale_ = 1;
    // The window of the last pointer event, which a tool-tip drawn inside a screen goes into.
    std::uint32_t pointerWindow_ = 0;
    bool wayland_ = false;
    WindowIcon icon_;
    SdlTypesetter typesetter_;
    BmpReader pictures_;
};
