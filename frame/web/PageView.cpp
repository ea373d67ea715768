#include "frame/web/PageView.h"

#include <algorithm>

namespace {

// The largest whole scale at which `logical` fits in `area`, at least 1.
int fittingScale(Size area, Size logical) {
    if (logical.width <= 0 || logical.height <= 0) return 1;
    return std::max(1, std::min(area.width / logical.width, area.height / logical.height));
}

// Division rounding towards negative infinity.
int floorDivide(int value, int divisor) {
    int quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

}  // namespace

PageView::PageView(Size page) : page_(page) {
    int scale = fittingScale(page, kSmallestScreen);
    screen_ = {std::max(page.width / scale, kSmallestScreen.width),
               std::max(page.height / scale, kSmallestScreen.height)};
    update();
}

void PageView::resize(Size page) {
    page_ = page;
    update();
}

void PageView::setFullscreen(std::optional<Rect> window) {
    fullscreen_ = window;
    update();
}

void PageView::update() {
    if (fullscreen_) {
        const Rect& window = *fullscreen_;
        scale_ = fittingScale(page_, {window.width, window.height});
        origin_ = {(page_.width - window.width * scale_) / 2 - window.x * scale_,
                   (page_.height - window.height * scale_) / 2 - window.y * scale_};
        return;
    }
    scale_ = fittingScale(page_, kSmallestScreen);
    origin_ = {(page_.width - screen_.width * scale_) / 2, (page_.height - screen_.height * scale_) / 2};
}

Rect PageView::toPage(const Rect& logical) const {
    return {origin_.x + logical.x * scale_, origin_.y + logical.y * scale_, logical.width * scale_,
            logical.height * scale_};
}

Point PageView::toLogical(Point page) const {
    return {floorDivide(page.x - origin_.x, scale_), floorDivide(page.y - origin_.y, scale_)};
}
