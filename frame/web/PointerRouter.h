#pragma once
#include <optional>
#include <vector>

#include "frame/Input.h"

// A screen's window as the pointer finds it: its id and its rectangle on
// the logical screen.
struct ScreenPlace {
    int window = 0;
    Rect bounds;
};

// Turns the page's pointer events, at points of the logical screen, into
// the frame's, addressed as the window system addresses them: a move goes
// to the top screen under the pointer, and one that leaves a screen tells
// it so; a press in a screen keeps the pointer there, wherever it goes,
// until the last button is up; a press outside every screen keeps it from
// them all the same way. Positions are the window's own.
class PointerRouter {
public:
    using Events = std::vector<InputEvent>;

    // `screens` are the shown screens, the top one first.
    Events move(Point at, TShiftState shift, const std::vector<ScreenPlace>& screens);
    Events press(Point at, TMouseButton button, TShiftState shift, const std::vector<ScreenPlace>& screens);
    Events release(Point at, TMouseButton button, TShiftState shift, const std::vector<ScreenPlace>& screens);
    Events wheel(Point at, int notches, TShiftState shift, const std::vector<ScreenPlace>& screens);
    // The pointer left the page.
    Events leavePage();

private:
    // Where the pointer's events go: a capture's window, else what is under it.
    std::optional<ScreenPlace> target(Point at, const std::vector<ScreenPlace>& screens) const;
    void hover(const std::optional<ScreenPlace>& over, Events& events);

    std::optional<int> hovered_;
    // The window that holds the pointer while a button is down; kPage when
    // the press was outside every screen.
    std::optional<int> captured_;
};
