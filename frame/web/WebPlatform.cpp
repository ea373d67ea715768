#include "frame/web/WebPlatform.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "frame/Application.h"
#include "frame/ErrorBox.h"
#include "frame/Random.h"
#include "frame/web/DomKeys.h"
#include "frame/web/PageGlue.h"

namespace {

Size pageSize() {
    int size[2] = {};
    orbitrove_page_size(size);
    return {size[0], size[1]};
}

InputEvent eventFor(InputEvent::Type type, int window, TShiftState shift = {}) {
    InputEvent event;
    event.type = type;
    event.window = window;
    event.shift = shift;
    return event;
}

TShiftState pointerShift(const EmscriptenMouseEvent& e) {
    return {e.shiftKey != 0,      e.ctrlKey != 0,       e.altKey != 0,
            (e.buttons & 1) != 0, (e.buttons & 2) != 0, (e.buttons & 4) != 0};
}

std::optional<TMouseButton> buttonOf(unsigned short button) {
    switch (button) {
    case 0: return TMouseButton::mbLeft;
    case 1: return TMouseButton::mbMiddle;
    case 2: return TMouseButton::mbRight;
    default: return std::nullopt;
    }
}

}  // namespace

WebPlatform::WebPlatform(Typesetter& typesetter, PictureReader& pictures)
    : typesetter_(typesetter), pictures_(pictures), start_(emscripten_performance_now()), view_(pageSize()) {
    listen();
}

WebPlatform::~WebPlatform() { emscripten_html5_remove_all_event_listeners(); }

void WebPlatform::listen() {
    const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(page, this, true, &WebPlatform::onKey);
    emscripten_set_mousedown_callback(page, this, true, &WebPlatform::onMouse);
    emscripten_set_mouseup_callback(page, this, true, &WebPlatform::onMouse);
    emscripten_set_mousemove_callback(page, this, true, &WebPlatform::onMouse);
    emscripten_set_wheel_callback(page, this, true, &WebPlatform::onWheel);
    emscripten_set_mouseleave_callback("html", this, true, &WebPlatform::onMouseLeave);
    emscripten_set_resize_callback(page, this, false, &WebPlatform::onResize);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, false,
                                             &WebPlatform::onFullscreenChange);
}

int WebPlatform::onKey(int, const EmscriptenKeyboardEvent* event, void* platform) {
    return static_cast<WebPlatform*>(platform)->keyDown(*event);
}

int WebPlatform::onMouse(int type, const EmscriptenMouseEvent* event, void* platform) {
    return static_cast<WebPlatform*>(platform)->pointer(type, *event);
}

int WebPlatform::onMouseLeave(int, const EmscriptenMouseEvent*, void* platform) {
    static_cast<WebPlatform*>(platform)->pointerLeft();
    return false;
}

int WebPlatform::onWheel(int, const EmscriptenWheelEvent* event, void* platform) {
    return static_cast<WebPlatform*>(platform)->wheel(*event);
}

int WebPlatform::onResize(int, const EmscriptenUiEvent*, void* platform) {
    static_cast<WebPlatform*>(platform)->pageChanged();
    return false;
}

int WebPlatform::onFullscreenChange(int, const EmscriptenFullscreenChangeEvent*, void* platform) {
    static_cast<WebPlatform*>(platform)->pageChanged();
    return false;
}

// Whole milliseconds of the page's clock since the platform was made.
std::uint64_t WebPlatform::now() {
    return static_cast<std::uint64_t>(std::floor(emscripten_performance_now() - start_));
}

std::uint32_t WebPlatform::utcMillisecondOfDay() {
    return MillisecondOfDay(static_cast<std::int64_t>(emscripten_date_now()));
}

std::unique_ptr<PlatformWindow> WebPlatform::createWindow(Size size, WindowKind kind) {
    int id = nextId_++;
    stack_.add(id, kind, size);
    WebWindow::Page& page = *this;
    auto window = std::make_unique<WebWindow>(page, id, size, kind);
    relayout();
    return window;
}

bool WebPlatform::nextEvent(InputEvent& event, int timeoutMs) {
    if (queue_.empty()) {
        if (timeoutMs != 0)
            throw std::logic_error("A page cannot wait for events: run the application with WebPlatform::run");
        return false;
    }
    event = queue_.front();
    queue_.pop_front();
    return true;
}

// The box is a screen of its own, drawn by the frame like the loop's error
// box, with an application and a loop of its own, as on the desktop; only
// its loop is the page's. OK, Enter or a close request ends it.
void WebPlatform::showFatalError(const std::string& title, const std::string& text) {
    try {
        box_ = std::make_unique<TApplication>(*this, title);
        ErrorBox* form = nullptr;
        std::string message = text, caption = title;
        box_->createForm(form, message, caption);
        form->window().setTitle(title);
        run(*box_, [this] { boxClosed(); });
    } catch (const std::exception&) {
        // No box then: standard error (the browser's console) has the text.
        box_.reset();
    }
}

void WebPlatform::boxClosed() {
    box_.reset();
    auto then = std::move(afterBox_);
    if (then) then();
}

void WebPlatform::afterErrorBox(std::function<void()> then) {
    if (box_) afterBox_ = std::move(then);
    else then();
}

void WebPlatform::openDocument(const std::string& address) { orbitrove_page_open(address.c_str()); }

void WebPlatform::run(TApplication& application, std::function<void()> ended) {
    PageLoop::Presenter& presenter = *this;
    loop_ = std::make_unique<PageLoop>(application, alarm_, presenter, std::move(ended));
    loop_->start();
}

void WebPlatform::announceEnd(int status) { orbitrove_page_ended(status); }

void WebPlatform::wake() {
    if (loop_) loop_->wake();
}

void WebPlatform::moved(int id, Point topLeft) {
    stack_.move(id, topLeft);
    relayout();
}

void WebPlatform::shown(int id) {
    stack_.show(id);
    relayout();
    refocus();
}

void WebPlatform::hidden(int id) {
    stack_.hide(id);
    relayout();
    refocus();
}

void WebPlatform::gone(int id) {
    std::erase_if(holding_, [id](WebWindow* window) { return window->id() == id; });
    if (stack_.fullscreen() == id) orbitrove_page_exit_fullscreen();
    stack_.remove(id);
    relayout();
    refocus();
}

void WebPlatform::holding(WebWindow& window) { holding_.push_back(&window); }

void WebPlatform::presentHeld() {
    for (WebWindow* window : std::exchange(holding_, {})) window->presentHeld();
}

// The top screen has the keyboard: told to the frame as the window system
// tells it when a window is raised or the one above it goes.
void WebPlatform::refocus() {
    std::optional<int> top = stack_.focused();
    if (top == focused_) return;
    focused_ = top;
    if (top) post(eventFor(InputEvent::Type::FocusGained, *top));
}

void WebPlatform::relayout() {
    view_.resize(pageSize());
    view_.setFullscreen(stack_.fullscreenBounds());
    for (const WindowStack::Window& window : stack_.windows()) {
        Rect place = view_.toPage(window.bounds);
        orbitrove_canvas_place(window.id, place.x, place.y, place.width, place.height, stack_.layer(window.id));
    }
    orbitrove_page_cover(stack_.fullscreenBounds().has_value());
}

// The page's fullscreen follows the document's. A switch's event can come
// after a later switch has begun (Escape's exit after Alt+Enter's request),
// and clear the screen the request is for: the request's own event, once
// the document is fullscreen, gives it back the focused screen.
void WebPlatform::pageChanged() {
    bool fullscreen = orbitrove_page_fullscreen();
    if (!fullscreen && stack_.fullscreen()) stack_.setFullscreen(std::nullopt);
    if (fullscreen && !stack_.fullscreen()) stack_.setFullscreen(focused_);
    relayout();
}

void WebPlatform::switchFullscreen() {
    if (stack_.fullscreen() == focused_) {
        stack_.setFullscreen(std::nullopt);
        orbitrove_page_exit_fullscreen();
    } else {
        stack_.setFullscreen(focused_);
        orbitrove_page_request_fullscreen();
    }
    relayout();
}

TShiftState WebPlatform::keyShift(bool shift, bool ctrl, bool alt) const {
    return {shift, ctrl, alt, (buttons_ & 1) != 0, (buttons_ & 2) != 0, (buttons_ & 4) != 0};
}

bool WebPlatform::keyDown(const EmscriptenKeyboardEvent& e) {
    if (!focused_) return false;
    std::uint16_t key = virtualKeyOf(e.key);
    if (togglesFullscreen(key, e.altKey, stack_.fullscreen() == focused_)) {
        if (!e.repeat) switchFullscreen();
        return true;
    }
    InputEvent down = eventFor(InputEvent::Type::KeyDown, *focused_, keyShift(e.shiftKey, e.ctrlKey, e.altKey));
    down.key = key;
    if (key) post(down);
    if (std::optional<std::string> text = typedText(e.key, e.ctrlKey, e.metaKey)) {
        InputEvent typed = eventFor(InputEvent::Type::Text, *focused_, down.shift);
        typed.text = *text;
        post(typed);
    }
    wake();
    return keepsFromBrowser(key, e.ctrlKey, e.metaKey);
}

Point WebPlatform::logicalPoint(long clientX, long clientY) const {
    double ratio = emscripten_get_device_pixel_ratio();
    return view_.toLogical(
        {static_cast<int>(std::lround(clientX * ratio)), static_cast<int>(std::lround(clientY * ratio))});
}

bool WebPlatform::pointer(int type, const EmscriptenMouseEvent& e) {
    buttons_ = e.buttons;
    TShiftState shift = pointerShift(e);
    Point at = logicalPoint(e.clientX, e.clientY);
    std::vector<ScreenPlace> screens = stack_.reachable();
    std::optional<TMouseButton> button = buttonOf(e.button);
    PointerRouter::Events events;
    if (type == EMSCRIPTEN_EVENT_MOUSEMOVE) events = pointer_.move(at, shift, screens);
    else if (type == EMSCRIPTEN_EVENT_MOUSEDOWN && button) events = pointer_.press(at, *button, shift, screens);
    else if (type == EMSCRIPTEN_EVENT_MOUSEUP && button) events = pointer_.release(at, *button, shift, screens);
    bool pressedScreen = std::any_of(events.begin(), events.end(),
                                     [](const InputEvent& event) { return event.type == InputEvent::Type::MouseDown; });
    deliver(events);
    // A press on a screen is the game's: no text selection or dragging.
    return pressedScreen;
}

// A press raises its screen, as a window manager does, before the frame hears of it.
void WebPlatform::deliver(const PointerRouter::Events& events) {
    for (const InputEvent& event : events) {
        if (event.type == InputEvent::Type::MouseDown && stack_.focused() != event.window) {
            stack_.raise(event.window);
            relayout();
            refocus();
        }
        post(event);
    }
    if (!events.empty()) wake();
}

bool WebPlatform::wheel(const EmscriptenWheelEvent& e) {
    int notches = e.deltaY < 0 ? 1 : e.deltaY > 0 ? -1 : 0;
    if (notches == 0) return false;
    PointerRouter::Events events = pointer_.wheel(logicalPoint(e.mouse.clientX, e.mouse.clientY), notches,
                                                  pointerShift(e.mouse), stack_.reachable());
    deliver(events);
    return !events.empty();
}

void WebPlatform::pointerLeft() { deliver(pointer_.leavePage()); }
