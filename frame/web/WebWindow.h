#pragma once
#include <cstdint>
#include <vector>

#include "frame/Platform.h"

// A window of the program as a canvas of its logical size on the page; the
// page it is on (WebPlatform) stacks and places it. Painted rectangles are
// held until the page asks for them (presentHeld), then copied into the
// canvas as the frame's canvas has them then.
class WebWindow : public PlatformWindow {
public:
    // What a window tells the page about itself.
    class Page {
    public:
        virtual void moved(int id, Point topLeft) = 0;
        virtual void shown(int id) = 0;
        virtual void hidden(int id) = 0;
        virtual void gone(int id) = 0;
        // The window holds painted rectangles for the canvas.
        virtual void holding(WebWindow& window) = 0;

    protected:
        ~Page() = default;
    };

    WebWindow(Page& page, int id, Size size, WindowKind kind);
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    int id() const override { return id_; }
    Point position() const override { return position_; }
    void setPosition(Point topLeft) override;
    void show() override;
    void hide() override;
    void present(const Canvas& canvas, const std::vector<Rect>& rects) override;
    void setCursor(TCursor cursor) override;
    void setTitle(const std::string& title) override;
    // Copies the rectangles held into the canvas.
    void presentHeld();

private:
    Page& page_;
    int id_;
    Size size_;
    Point position_;
    const Canvas* heldCanvas_ = nullptr;  // the frame's canvas of the rectangles held
    std::vector<Rect> held_;
    std::vector<std::uint8_t> rgba_;  // one rectangle's pixels on their way
};
