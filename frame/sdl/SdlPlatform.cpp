#include "frame/sdl/SdlPlatform.h"
#include "frame/Application.h"
#include "frame/ErrorBox.h"
#include "frame/Random.h"
#include "frame/sdl/FullscreenKeys.h"
#include "frame/sdl/ScaleChoice.h"
#include "frame/sdl/ScreenTip.h"
#include "frame/sdl/SdlWindow.h"
#include "frame/sdl/SdlX11Errors.h"
#include "frame/sdl/Spawn.h"
#include "frame/sdl/TerminationWatch.h"
#include "frame/sdl/X11Connection.h"
#include "frame/sdl/XftDpi.h"

#include <SDL.h>

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <thread>

namespace {

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
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: out.type = Type::Expose; return true;
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
    case SDL_MOUSEMOTION:
        out = eventFor(Type::MouseMove, e.motion.windowID, shift, {e.motion.x, e.motion.y});
        return true;
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

// Run on the termination watch's thread: SDL's queue takes events from any
// thread and wakes a loop waiting in SDL.
void pushQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

bool unrequestedDriver(const char* driver) {
    const char* wanted = std::getenv("SDL_VIDEODRIVER");
    bool fallback = std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    return fallback && !(wanted && std::strcmp(wanted, driver) == 0);
}

// Without a session bus, libdbus starts one of its own for SDL (which asks
// the bus to keep the screen awake): a daemon that outlives the game and
// writes into the home folder. "disabled:" makes every connection fail at
// once instead, for the game and for the programs it starts.
void refuseBusAutolaunch() {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat bus {};
    if (runtime && ::stat((std::string(runtime) + "/bus").c_str(), &bus) == 0 && S_ISSOCK(bus.st_mode)) return;
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

Size firstDisplay() {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {};
    return {mode.w, mode.h};
}

// How many pixels of its output a Wayland compositor gives each point of a
// window: SDL lists the output's own resolution first and reports the
// desktop in points.
int outputScale() {
    SDL_DisplayMode desktop, native;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0 || SDL_GetDisplayMode(0, 0, &native) != 0 || desktop.w <= 0)
        return 1;
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(native.w) / desktop.w)));
}

// The desktop's own scale: its text resolution where it sets one, else the
// resolution SDL works out from the display's physical size. A Wayland
// compositor scales each window by its output's scale already, so there the
// resolution counts in its points, and X resources (those of XWayland's
// programs) are not asked.
int desktopScale(bool wayland) {
    std::optional<double> dpi = wayland ? std::nullopt : desktopXftDpi();
    float horizontal = 0;
    if (!dpi && SDL_GetDisplayDPI(0, nullptr, &horizontal, nullptr) == 0)
        dpi = horizontal / (wayland ? outputScale() : 1);
    ScaleChoice choice(std::getenv("ORBITROVE_SCALE"), dpi, firstDisplay());
    if (choice.rejected()) std::cerr << "ORBITROVE_SCALE is not a whole number from 1 to 8; it is ignored\n";
    return choice.scale();
}

}  // namespace

SdlPlatform::SdlPlatform(const std::string& iconPath) : start_(std::chrono::steady_clock::now()), icon_(iconPath) {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The window system's own grab from press to release is enough; SDL's
    // extra grab follows the keyboard, which a tool-tip takes where no window
    // manager runs, and lost the release when the tip closed on the press.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // Borderless windows want no decorations, and with libdecor SDL makes a
    // frame of it, warns where it has no plugin, and asks for pop-ups with a
    // parent that is no window of the protocol's.
    SDL_SetHint(SDL_HINT_VIDEO_WAYLAND_ALLOW_LIBDECOR, "0");
    // The termination watch answers the signals, also while SDL's loop does not run.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Wayland's application id (and X11's class) unless the user set one;
    // SDL 2 reads it from the environment only.
    ::setenv("SDL_VIDEO_WAYLAND_WMCLASS", "orbitrove", 0);
    // Before SDL starts: it keeps the handler it finds and puts it back when
    // it quits, just before closing the connection where the error shows.
    dropStaleX11Wakeups();
    refuseBusAutolaunch();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw NoDisplayError(SDL_GetError());
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || unrequestedDriver(driver)) {
        SDL_Quit();
        throw NoDisplayError("no window system is available");
    }
    wayland_ = std::strcmp(driver, "wayland") == 0;
    // On X11 a renderer-backed window surface means a software GL renderer
    // on servers without a driver, at many times the CPU. On Wayland the
    // windows bring their own (WaylandBuffers). Read when the first surface
    // is made.
    if (std::strcmp(driver, "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    TerminationWatch::start(pushQuit);
    scale_ = pointerScale_ = desktopScale(wayland_);
}

SdlPlatform::~SdlPlatform() {
    TerminationWatch::stop();
    SDL_Quit();
}

// Whole milliseconds of the steady clock: SDL's own millisecond count runs a
// millisecond ahead for part of every second, which fires ticks early.
std::uint64_t SdlPlatform::now() {
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

std::uint32_t SdlPlatform::utcMillisecondOfDay() {
    auto since = std::chrono::system_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return MillisecondOfDay(ms);
}

Size SdlPlatform::screenSize() {
    Size display = firstDisplay();
    if (display == Size{}) return {640, 480};
    return {display.width / scale_, display.height / scale_};
}

std::unique_ptr<PlatformWindow> SdlPlatform::createWindow(Size size, WindowKind kind) {
    if (kind == WindowKind::Tooltip) return createTooltip(size);
    auto window =
        std::make_unique<SdlWindow>(size, kind, scale_, [this](SdlWindow* gone) { std::erase(windows_, gone); });
    window->setIcon(icon_.surface());
    if (connection_ < 0) connection_ = window->connection();
    windows_.push_back(window.get());
    return window;
}

// A tool-tip is a window of its own where the program places windows, and
// drawn inside the screen under the pointer where the window system does.
std::unique_ptr<PlatformWindow> SdlPlatform::createTooltip(Size size) {
    if (wayland_) {
        if (!windowWithId(pointerWindow_)) return nullptr;
        return std::make_unique<ScreenTip>(pointerWindow_, [this](std::uint32_t id) { return windowWithId(id); });
    }
    try {
        auto window = std::make_unique<SdlWindow>(size, WindowKind::Tooltip, pointerScale_,
                                                  [this](SdlWindow* gone) { std::erase(windows_, gone); });
        windows_.push_back(window.get());
        return window;
    } catch (const std::exception&) {
        return nullptr;
    }
}

SdlWindow* SdlPlatform::windowWithId(std::uint32_t id) const {
    for (SdlWindow* window : windows_)
        if (static_cast<std::uint32_t>(window->id()) == id) return window;
    return nullptr;
}

bool SdlPlatform::takeEvent(SDL_Event& e, int timeoutMs) {
    if (timeoutMs == 0) {
        // Asking the window system costs system calls; once a millisecond
        // is often enough, and the events it already gave are taken first.
        if (std::uint64_t t = now(); t != lastPump_) {
            SDL_PumpEvents();
            lastPump_ = t;
        }
        return SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
    }
    // About to sleep: the screen must show everything painted so far.
    for (SdlWindow* window : windows_) window->uploadPending();
    bool got = timeoutMs < 0 ? SDL_WaitEvent(&e) != 0 : waitUntil(e, now() + static_cast<std::uint64_t>(timeoutMs));
    lastPump_ = now();
    return got;
}

// One sleep, exact to the due time, that input cuts short: what the
// window system sent already is taken first, since the connection shows
// only what it has not read yet.
bool SdlPlatform::waitUntil(SDL_Event& e, std::uint64_t dueMs) {
    auto deadline = start_ + std::chrono::milliseconds(dueMs);
    if (connection_ < 0) return waitInSteps(e, deadline);
    SDL_PumpEvents();
    if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) return true;
    if (awaitInput(connection_, TerminationWatch::wakeFd(), deadline)) TerminationWatch::drain();
    return SDL_PollEvent(&e) != 0;
}

// SDL's own wait, which sleeps in the window system's connection once a
// window exists and is woken by an event pushed from another thread. It
// waits in whole milliseconds; the last fraction is slept exactly, so that a
// tick is not a millisecond late for the clock's rounding.
bool SdlPlatform::waitInSteps(SDL_Event& e, std::chrono::steady_clock::time_point deadline) {
    auto whole = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (whole.count() > 0 && SDL_WaitEventTimeout(&e, static_cast<int>(whole.count()))) return true;
    std::this_thread::sleep_until(deadline);
    return SDL_PollEvent(&e) != 0;
}

bool SdlPlatform::nextEvent(InputEvent& event, int timeoutMs) {
    SDL_Event e;
    while (true) {
        if (!takeEvent(e, timeoutMs)) return false;
        if (e.type == SDL_QUIT) {
            // A termination signal: close the main screen like the window system would.
            TerminationWatch::answer();
            event = eventFor(InputEvent::Type::Close, 0, {});
            return true;
        }
        if (e.type == SDL_KEYDOWN && takeFullscreenKey(e.key)) {
            timeoutMs = 0;
            continue;
        }
        if (translate(e, event)) {
            toLogical(event);
            return true;
        }
        timeoutMs = 0;
    }
}

// The window's new size comes back as an event, on which the frame paints
// it anew; a held key switches only once.
bool SdlPlatform::takeFullscreenKey(const SDL_KeyboardEvent& key) {
    SdlWindow* window = windowWithId(key.windowID);
    if (!window || !togglesFullscreen(key.keysym.sym, key.keysym.mod, window->fullscreen())) return false;
    if (!key.repeat) window->toggleFullscreen();
    return true;
}

void SdlPlatform::toLogical(InputEvent& event) {
    using Type = InputEvent::Type;
    bool pointer = event.type == Type::MouseMove || event.type == Type::MouseDown || event.type == Type::MouseUp ||
                   event.type == Type::Wheel;
    SdlWindow* window = windowWithId(static_cast<std::uint32_t>(event.window));
    if (!pointer || !window) return;
    event.pos = window->toLogical(event.pos);
    pointerScale_ = window->scale();
    pointerWindow_ = static_cast<std::uint32_t>(event.window);
}

// The box is a screen of its own in this process, drawn by the frame like
// the loop's error box (error icon, text, OK), with an application and loop
// of its own: OK, Enter or a close request ends it, and so does a
// termination signal, which the termination watch turns into a quit
// event. No other process is involved, so none can outlive the program.
void SdlPlatform::showFatalError(const std::string& title, const std::string& text) {
    try {
        TApplication box(*this, title);
        ErrorBox* form = nullptr;
        std::string message = text, caption = title;
        box.createForm(form, message, caption);
        form->window().setTitle(title);
        box.run();
    } catch (const std::exception&) {
        // No box then: standard error has the text already.
    }
}

void SdlPlatform::openDocument(const std::string& address) { spawnDetached("xdg-open", address); }
