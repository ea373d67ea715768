#include "frame/web/WindowStack.h"

#include <algorithm>

namespace {
constexpr int kTipLayer = 2 * WindowStack::kCoverLayer;
}

std::vector<WindowStack::Window>::iterator WindowStack::find(int id) {
    return std::find_if(windows_.begin(), windows_.end(), [&](const Window& w) { return w.id == id; });
}

const WindowStack::Window* WindowStack::shownScreen(int id) const {
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const Window& w) { return w.id == id; });
    return it != windows_.end() && it->shown && it->kind == WindowKind::Screen ? &*it : nullptr;
}

void WindowStack::add(int id, WindowKind kind, Size size) {
    windows_.push_back({id, kind, {0, 0, size.width, size.height}, false});
}

void WindowStack::remove(int id) {
    std::erase_if(windows_, [&](const Window& w) { return w.id == id; });
    if (fullscreen_ == id) fullscreen_.reset();
}

void WindowStack::move(int id, Point topLeft) {
    if (auto it = find(id); it != windows_.end())
        it->bounds = {topLeft.x, topLeft.y, it->bounds.width, it->bounds.height};
}

void WindowStack::show(int id) {
    if (auto it = find(id); it != windows_.end()) it->shown = true;
    raise(id);
}

void WindowStack::hide(int id) {
    if (auto it = find(id); it != windows_.end()) it->shown = false;
}

void WindowStack::raise(int id) {
    auto it = find(id);
    if (it != windows_.end()) std::rotate(it, it + 1, windows_.end());
}

void WindowStack::setFullscreen(std::optional<int> id) { fullscreen_ = id; }

std::optional<int> WindowStack::focused() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (it->shown && it->kind == WindowKind::Screen) return it->id;
    return std::nullopt;
}

std::optional<Rect> WindowStack::fullscreenBounds() const {
    const Window* screen = fullscreen_ ? shownScreen(*fullscreen_) : nullptr;
    return screen ? std::optional<Rect>(screen->bounds) : std::nullopt;
}

std::vector<ScreenPlace> WindowStack::reachable() const {
    if (std::optional<Rect> filling = fullscreenBounds()) return {{*fullscreen_, *filling}};
    std::vector<ScreenPlace> places;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (it->shown && it->kind == WindowKind::Screen) places.push_back({it->id, it->bounds});
    return places;
}

int WindowStack::layer(int id) const {
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const Window& w) { return w.id == id; });
    int order = static_cast<int>(it - windows_.begin()) + 1;
    if (it != windows_.end() && it->kind == WindowKind::Tooltip) return kTipLayer + order;
    return id == fullscreen_ ? kCoverLayer + 1 : order;
}
