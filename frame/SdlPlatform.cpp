#include "frame/SdlPlatform.h"
#include "frame/SdlX11Errors.h"
#include "frame/Spawn.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

class SdlWindow : public PlatformWindow {
public:
    SdlWindow(Size size, WindowKind kind) {
        Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        if (kind == WindowKind::Tooltip) flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
        window_ = SDL_CreateWindow("Orbitrove", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, size.width,
                                   size.height, flags);
        if (!window_) throw std::runtime_error(std::string("Cannot create a window: ") + SDL_GetError());
    }
    ~SdlWindow() override {
        if (hand_) SDL_FreeCursor(hand_);
        SDL_DestroyWindow(window_);
    }

    int id() const override { return static_cast<int>(SDL_GetWindowID(window_)); }
    Point position() const override {
        Point p;
        SDL_GetWindowPosition(window_, &p.x, &p.y);
        return p;
    }
    void setPosition(Point topLeft) override { SDL_SetWindowPosition(window_, topLeft.x, topLeft.y); }
    void show() override {
        SDL_ShowWindow(window_);
        SDL_RaiseWindow(window_);
    }
    void hide() override { SDL_HideWindow(window_); }
    void setCursor(TCursor cursor) override {
        if (cursor == cursor_) return;
        cursor_ = cursor;
        if (cursor == TCursor::crHandPoint && !hand_) hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
        SDL_SetCursor(cursor == TCursor::crHandPoint && hand_ ? hand_ : SDL_GetDefaultCursor());
    }
    void present(const Canvas& canvas, const std::vector<Rect>& rects) override;

private:
    SDL_Window* window_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
    TCursor cursor_ = TCursor::crDefault;
};

void copyRect(const Canvas& canvas, SDL_Surface* surface, const Rect& r) {
    for (int y = r.y; y < r.bottom(); ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = r.x; x < r.right(); ++x) {
            Rgb p = canvas.pixel(x, y);
            row[x] = SDL_MapRGB(surface->format, (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
    }
}

void SdlWindow::present(const Canvas& canvas, const std::vector<Rect>& rects) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface || surface->format->BytesPerPixel != 4) return;
    std::vector<SDL_Rect> upload;
    Rect bounds{0, 0, std::min(surface->w, canvas.width()), std::min(surface->h, canvas.height())};
    SDL_LockSurface(surface);
    for (const Rect& rect : rects) {
        Rect r = rect.intersected(bounds);
        if (r.empty()) continue;
        copyRect(canvas, surface, r);
        upload.push_back({r.x, r.y, r.width, r.height});
    }
    SDL_UnlockSurface(surface);
    if (!upload.empty()) SDL_UpdateWindowSurfaceRects(window_, upload.data(), static_cast<int>(upload.size()));
}

std::uint16_t virtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<std::uint16_t>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<std::uint16_t>(key);
    if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<std::uint16_t>(112 + (key - SDLK_F1));
    switch (key) {
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return vk::Return;
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_SPACE: return vk::Space;
    case SDLK_BACKSPACE: return vk::Back;
    case SDLK_TAB: return vk::Tab;
    case SDLK_DELETE: return vk::Delete;
    case SDLK_HOME: return vk::Home;
    case SDLK_END: return vk::End;
    case SDLK_PAGEUP: return vk::Prior;
    case SDLK_PAGEDOWN: return vk::Next;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return vk::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return vk::Control;
    case SDLK_LALT:
    case SDLK_RALT: return vk::Menu;
    default: return 0;
    }
}

TShiftState shiftState(Uint16 mod, Uint32 buttons) {
    return {(mod & KMOD_SHIFT) != 0,
            (mod & KMOD_CTRL) != 0,
            (mod & KMOD_ALT) != 0,
            (buttons & SDL_BUTTON_LMASK) != 0,
            (buttons & SDL_BUTTON_RMASK) != 0,
            (buttons & SDL_BUTTON_MMASK) != 0};
}

TMouseButton mouseButton(Uint8 button) {
    if (button == SDL_BUTTON_RIGHT) return TMouseButton::mbRight;
    if (button == SDL_BUTTON_MIDDLE) return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

bool translateWindowEvent(const SDL_WindowEvent& w, InputEvent& out) {
    using Type = InputEvent::Type;
    switch (w.event) {
    case SDL_WINDOWEVENT_CLOSE: out.type = Type::Close; return true;
    case SDL_WINDOWEVENT_EXPOSED: out.type = Type::Expose; return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.type = Type::FocusGained; return true;
    case SDL_WINDOWEVENT_LEAVE: out.type = Type::MouseLeave; return true;
    default: return false;
    }
}

InputEvent eventFor(InputEvent::Type type, Uint32 window, TShiftState shift, Point pos = {}) {
    InputEvent event;
    event.type = type;
    event.window = static_cast<int>(window);
    event.shift = shift;
    event.pos = pos;
    return event;
}

// Turns an SDL event into ours; false for events the frame does not use.
bool translate(const SDL_Event& e, InputEvent& out) {
    using Type = InputEvent::Type;
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    TShiftState shift = shiftState(SDL_GetModState(), buttons);
    switch (e.type) {
    case SDL_KEYDOWN:
        out = eventFor(Type::KeyDown, e.key.windowID, shiftState(e.key.keysym.mod, buttons));
        out.key = virtualKey(e.key.keysym.sym);
        return out.key != 0;
    case SDL_TEXTINPUT:
        out = eventFor(Type::Text, e.text.windowID, shift);
        out.text = e.text.text;
        return true;
    case SDL_MOUSEMOTION: out = eventFor(Type::MouseMove, e.motion.windowID, shift, {e.motion.x, e.motion.y}); return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out = eventFor(e.type == SDL_MOUSEBUTTONDOWN ? Type::MouseDown : Type::MouseUp, e.button.windowID, shift,
                       {e.button.x, e.button.y});
        out.button = mouseButton(e.button.button);
        return true;
    case SDL_MOUSEWHEEL: {
        Point p;
        SDL_GetMouseState(&p.x, &p.y);
        out = eventFor(Type::Wheel, e.wheel.windowID, shift, p);
        out.wheel = e.wheel.y;
        return true;
    }
    case SDL_WINDOWEVENT:
        out = eventFor(Type::Expose, e.window.windowID, shift);
        return translateWindowEvent(e.window, out);
    default: return false;
    }
}

bool unrequestedDriver(const char* driver) {
    const char* wanted = std::getenv("SDL_VIDEODRIVER");
    bool fallback = std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    return fallback && !(wanted && std::strcmp(wanted, driver) == 0);
}

}  // namespace

SdlPlatform::SdlPlatform() {
    // A GL-backed window surface means a software GL renderer on X servers
    // without a driver, at many times the CPU.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw NoDisplayError(SDL_GetError());
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || unrequestedDriver(driver)) {
        SDL_Quit();
        throw NoDisplayError("no window system is available");
    }
    if (std::strcmp(driver, "x11") == 0) dropStaleX11Wakeups();
    // Sound is optional and must not take the display down with it.
    SDL_InitSubSystem(SDL_INIT_AUDIO);
}

SdlPlatform::~SdlPlatform() { SDL_Quit(); }

std::uint64_t SdlPlatform::now() { return SDL_GetTicks64(); }

std::uint32_t SdlPlatform::utcMillisecondOfDay() {
    auto since = std::chrono::system_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<std::uint32_t>(ms % 86'400'000);
}

Size SdlPlatform::screenSize() {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {640, 480};
    return {mode.w, mode.h};
}

std::unique_ptr<PlatformWindow> SdlPlatform::createWindow(Size size, WindowKind kind) {
    return std::make_unique<SdlWindow>(size, kind);
}

bool SdlPlatform::nextEvent(InputEvent& event, int timeoutMs) {
    SDL_Event e;
    while (true) {
        int got = timeoutMs < 0 ? SDL_WaitEvent(&e) : timeoutMs == 0 ? SDL_PollEvent(&e) : SDL_WaitEventTimeout(&e, timeoutMs);
        if (!got) return false;
        if (e.type == SDL_QUIT) {
            // A termination signal: close the main screen like the window system would.
            event = eventFor(InputEvent::Type::Close, 0, {});
            return true;
        }
        if (translate(e, event)) return true;
        timeoutMs = 0;
    }
}

void SdlPlatform::showFatalError(const std::string& title, const std::string& text) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}

void SdlPlatform::openDocument(const std::string& address) { spawnDetached("xdg-open", address); }
