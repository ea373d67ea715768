#include "frame/web/PointerRouter.h"

#include <algorithm>

namespace {

// Holds the pointer for no screen: the window ids start at 1.
constexpr int kPage = 0;

bool anyButton(TShiftState shift) { return shift.left || shift.right || shift.middle; }

std::optional<ScreenPlace> placeOf(int window, const std::vector<ScreenPlace>& screens) {
    auto it = std::find_if(screens.begin(), screens.end(), [&](const ScreenPlace& s) { return s.window == window; });
    return it == screens.end() ? std::nullopt : std::optional<ScreenPlace>(*it);
}

std::optional<ScreenPlace> placeAt(Point at, const std::vector<ScreenPlace>& screens) {
    auto it = std::find_if(screens.begin(), screens.end(), [&](const ScreenPlace& s) { return s.bounds.contains(at); });
    return it == screens.end() ? std::nullopt : std::optional<ScreenPlace>(*it);
}

InputEvent eventAt(InputEvent::Type type, const ScreenPlace& place, Point at, TShiftState shift) {
    InputEvent event;
    event.type = type;
    event.window = place.window;
    event.shift = shift;
    event.pos = {at.x - place.bounds.x, at.y - place.bounds.y};
    return event;
}

InputEvent leaving(int window) {
    InputEvent event;
    event.type = InputEvent::Type::MouseLeave;
    event.window = window;
    return event;
}

}  // namespace

std::optional<ScreenPlace> PointerRouter::target(Point at, const std::vector<ScreenPlace>& screens) const {
    if (captured_) return placeOf(*captured_, screens);
    return placeAt(at, screens);
}

// A screen the pointer is no longer over is told so once.
void PointerRouter::hover(const std::optional<ScreenPlace>& over, Events& events) {
    std::optional<int> now = over ? std::optional<int>(over->window) : std::nullopt;
    if (hovered_ && hovered_ != now) events.push_back(leaving(*hovered_));
    hovered_ = now;
}

PointerRouter::Events PointerRouter::move(Point at, TShiftState shift, const std::vector<ScreenPlace>& screens) {
    Events events;
    std::optional<ScreenPlace> over = target(at, screens);
    if (!captured_) hover(over, events);
    if (over) events.push_back(eventAt(InputEvent::Type::MouseMove, *over, at, shift));
    return events;
}

PointerRouter::Events PointerRouter::press(Point at, TMouseButton button, TShiftState shift,
                                           const std::vector<ScreenPlace>& screens) {
    Events events;
    std::optional<ScreenPlace> over = target(at, screens);
    if (!captured_) {
        hover(over, events);
        captured_ = over ? over->window : kPage;
    }
    if (!over) return events;
    events.push_back(eventAt(InputEvent::Type::MouseDown, *over, at, shift));
    events.back().button = button;
    return events;
}

PointerRouter::Events PointerRouter::release(Point at, TMouseButton button, TShiftState shift,
                                             const std::vector<ScreenPlace>& screens) {
    Events events;
    if (!captured_) return events;
    std::optional<ScreenPlace> held = placeOf(*captured_, screens);
    if (held) {
        events.push_back(eventAt(InputEvent::Type::MouseUp, *held, at, shift));
        events.back().button = button;
    }
    if (anyButton(shift)) return events;
    captured_.reset();
    hover(placeAt(at, screens), events);
    return events;
}

PointerRouter::Events PointerRouter::wheel(Point at, int notches, TShiftState shift,
                                           const std::vector<ScreenPlace>& screens) {
    Events events;
    if (std::optional<ScreenPlace> over = target(at, screens)) {
        events.push_back(eventAt(InputEvent::Type::Wheel, *over, at, shift));
        events.back().wheel = notches;
    }
    return events;
}

PointerRouter::Events PointerRouter::leavePage() {
    Events events;
    if (captured_) return events;
    if (hovered_) events.push_back(leaving(*hovered_));
    hovered_.reset();
    return events;
}
