#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "frame/Platform.h"
#include "frame/web/BrowserAlarm.h"
#include "frame/web/PageLoop.h"
#include "frame/web/PageView.h"
#include "frame/web/PointerRouter.h"
#include "frame/web/WebWindow.h"
#include "frame/web/WindowStack.h"

class TApplication;
struct EmscriptenKeyboardEvent;
struct EmscriptenMouseEvent;
struct EmscriptenWheelEvent;
struct EmscriptenUiEvent;
struct EmscriptenFullscreenChangeEvent;

// The frame on a browser page, the page standing for the screen: each
// window is a canvas placed on the page as it would be on a screen, scaled
// by a whole number to fit (PageView), over a dark page. Keys and the
// pointer reach the frame as the desktop's window system delivers them:
// keys to the top screen, the pointer to the screen under it or to the one
// that holds it from a press to the release; a press raises its screen. The
// clock is performance.now(). The browser never lets a program wait, so
// `run` drives an application from the browser's scheduling (PageLoop) and
// returns at once, and so does the start-up error box. F11, Alt+Enter and,
// in fullscreen, Escape switch the top screen in and out of fullscreen (the
// browser's Fullscreen API; where it is refused the screen fills the page)
// before the frame sees them. Text and pictures come from the typesetter
// and reader it is handed, which must outlive it. One per page.
class WebPlatform : public Platform, private WebWindow::Page, private PageLoop::Presenter {
public:
    WebPlatform(Typesetter& typesetter, PictureReader& pictures);
    ~WebPlatform() override;
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

    std::uint64_t now() override;
    std::uint32_t utcMillisecondOfDay() override;
    Size screenSize() override { return view_.screen(); }
    std::unique_ptr<PlatformWindow> createWindow(Size size, WindowKind kind) override;
    Typesetter& typesetter() override { return typesetter_; }
    PictureReader& pictures() override { return pictures_; }
    // Only ever asked not to wait (the page loop's turns); a wait is refused.
    bool nextEvent(InputEvent& event, int timeoutMs) override;
    // Shows the box on a loop of its own and returns at once; see afterErrorBox.
    void showFatalError(const std::string& title, const std::string& text) override;
    void openDocument(const std::string& address) override;

    // Shows the application's main screen and handles its events from the
    // browser's scheduling; returns at once. `ended` runs once the
    // application has terminated; it may destroy the application.
    void run(TApplication& application, std::function<void()> ended);
    // `then` runs once the start-up error box is closed, at once when none
    // is showing.
    void afterErrorBox(std::function<void()> then);
    // Tells the page that the program has ended with `status`.
    void announceEnd(int status);

private:
    static int onKey(int type, const EmscriptenKeyboardEvent* event, void* platform);
    static int onMouse(int type, const EmscriptenMouseEvent* event, void* platform);
    static int onMouseLeave(int type, const EmscriptenMouseEvent* event, void* platform);
    static int onWheel(int type, const EmscriptenWheelEvent* event, void* platform);
    static int onResize(int type, const EmscriptenUiEvent* event, void* platform);
    static int onFullscreenChange(int type, const EmscriptenFullscreenChangeEvent* event, void* platform);

    void moved(int id, Point topLeft) override;
    void shown(int id) override;
    void hidden(int id) override;
    void gone(int id) override;
    void holding(WebWindow& window) override;
    void presentHeld() override;

    void listen();
    bool keyDown(const EmscriptenKeyboardEvent& event);
    bool pointer(int type, const EmscriptenMouseEvent& event);
    bool wheel(const EmscriptenWheelEvent& event);
    void pointerLeft();
    void pageChanged();
    void switchFullscreen();
    void relayout();
    void refocus();
    void deliver(const PointerRouter::Events& events);
    void post(const InputEvent& event) { queue_.push_back(event); }
    void wake();
    Point logicalPoint(long clientX, long clientY) const;
    TShiftState keyShift(bool shift, bool ctrl, bool alt) const;
    void boxClosed();

    Typesetter& typesetter_;
    PictureReader& pictures_;
    double start_;
    int nextId_ = 1;
    unsigned short buttons_ = 0;  // the pointer's buttons held at its last event
    std::deque<InputEvent> queue_;
    std::vector<WebWindow*> holding_;  // windows with painted rectangles held
    WindowStack stack_;
    PageView view_;
    PointerRouter pointer_;
    std::optional<int> focused_;
    BrowserAlarm alarm_{[this] { wake(); }};
    std::function<void()> afterBox_;
    // The applications go before what their windows tell on their way.
    std::unique_ptr<TApplication> box_;
    std::unique_ptr<PageLoop> loop_;
};
