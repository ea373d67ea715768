#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/Canvas.h"
#include "frame/Input.h"
#include "frame/PictureReader.h"
#include "frame/Typesetter.h"

// A top-level window of the window system; the frame paints its pixels.
class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;
    virtual int id() const = 0;
    virtual Point position() const = 0;
    virtual void setPosition(Point topLeft) = 0;
    // Shows the window, brings it to the front and gives it the keyboard.
    virtual void show() = 0;
    virtual void hide() = 0;
    // Copies the given rectangles of the canvas to the screen.
    virtual void present(const Canvas& canvas, const std::vector<Rect>& rects) = 0;
    virtual void setCursor(TCursor cursor) = 0;
    // The title the window system shows for it (in task lists).
    virtual void setTitle(const std::string&) {}
};

enum class WindowKind { Screen, Tooltip };

// The narrow interface the frame runs on: a clock, windows, input, text,
// pictures and the start-up error box. One implementation drives real
// windows, another runs headless on a virtual clock.
class Platform {
public:
    virtual ~Platform() = default;
    // Monotonic milliseconds.
    virtual std::uint64_t now() = 0;
    // Milliseconds since UTC midnight.
    virtual std::uint32_t utcMillisecondOfDay() = 0;
    virtual Size screenSize() = 0;
    // A screen's window, or throws; a tool-tip's, or null when the window
    // system cannot make one.
    virtual std::unique_ptr<PlatformWindow> createWindow(Size size, WindowKind kind) = 0;
    virtual Typesetter& typesetter() = 0;
    virtual PictureReader& pictures() = 0;
    // Takes the next input event, waiting up to timeoutMs (negative: no limit,
    // 0: do not wait). False when none came.
    virtual bool nextEvent(InputEvent& event, int timeoutMs) = 0;
    // A blocking box for errors that end the program: it returns when the
    // box is closed or the process is asked to end.
    virtual void showFatalError(const std::string& title, const std::string& text) = 0;
    // Hands a web address to the desktop's browser; failures are ignored.
    virtual void openDocument(const std::string& address) = 0;
};
