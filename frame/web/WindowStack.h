#pragma once
#include <optional>
#include <vector>

#include "frame/Platform.h"
#include "frame/web/PointerRouter.h"

// The page's windows as a window manager keeps them: stacked in the order
// they were last shown or raised, tool-tips above every screen; the top
// shown screen has the keyboard. One screen may fill the page (fullscreen)
// while it is shown: the others are then behind it, out of the pointer's
// reach. Places and sizes are logical.
class WindowStack {
public:
    struct Window {
        int id = 0;
        WindowKind kind = WindowKind::Screen;
        Rect bounds;
        bool shown = false;
    };

    void add(int id, WindowKind kind, Size size);
    void remove(int id);
    void move(int id, Point topLeft);
    // Showing a screen raises it.
    void show(int id);
    void hide(int id);
    void raise(int id);
    void setFullscreen(std::optional<int> id);

    const std::vector<Window>& windows() const { return windows_; }
    // The top shown screen.
    std::optional<int> focused() const;
    std::optional<int> fullscreen() const { return fullscreen_; }
    // The fullscreen screen's rectangle while it is shown.
    std::optional<Rect> fullscreenBounds() const;
    // The screens the pointer can reach, the top one first.
    std::vector<ScreenPlace> reachable() const;
    // The window's place in the page's stacking order: higher is nearer; the
    // fullscreen screen is above every other screen, tool-tips above it.
    int layer(int id) const;
    // The layer of the dark cover behind a fullscreen screen.
    static constexpr int kCoverLayer = 1000;

private:
    std::vector<Window>::iterator find(int id);
    const Window* shownScreen(int id) const;

    std::vector<Window> windows_;  // the bottom one first
    std::optional<int> fullscreen_;
};
