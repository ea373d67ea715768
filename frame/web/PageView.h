#pragma once
#include <optional>

#include "frame/Geometry.h"

// Where the frame's logical screen lands on the page, in the page's device
// pixels: every logical pixel becomes a k x k block, k the largest whole
// number at which 640 x 480 logical pixels fit the page (at least 1). The
// logical screen's size is fixed when the view is made (the page's then, in
// logical pixels), and its centre stays on the page's centre whatever the
// page's later size, so windows placed centred on it stay centred. A
// fullscreen window fills the page instead, at the largest scale it fits,
// centred, and everything else keeps its place relative to it.
class PageView {
public:
    static constexpr Size kSmallestScreen{640, 480};

    explicit PageView(Size page);

    void resize(Size page);
    // The logical rectangle of the window that fills the page; none.
    void setFullscreen(std::optional<Rect> window);

    Size screen() const { return screen_; }
    int scale() const { return scale_; }
    Rect toPage(const Rect& logical) const;
    // The logical pixel under a device pixel of the page; left of or above
    // the screen's origin gives negative coordinates.
    Point toLogical(Point page) const;

private:
    void update();

    Size page_;
    Size screen_;
    std::optional<Rect> fullscreen_;
    Point origin_;
    int scale_ = 1;
};
