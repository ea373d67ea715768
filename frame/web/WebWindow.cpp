#include "frame/web/WebWindow.h"

#include "frame/web/PageGlue.h"

WebWindow::WebWindow(Page& page, int id, Size size, WindowKind kind) : page_(page), id_(id), size_(size) {
    orbitrove_canvas_create(id, size.width, size.height, kind == WindowKind::Tooltip);
}

WebWindow::~WebWindow() {
    orbitrove_canvas_destroy(id_);
    page_.gone(id_);
}

void WebWindow::setPosition(Point topLeft) {
    position_ = topLeft;
    page_.moved(id_, topLeft);
}

void WebWindow::show() {
    orbitrove_canvas_show(id_, true);
    page_.shown(id_);
}

void WebWindow::hide() {
    orbitrove_canvas_show(id_, false);
    page_.hidden(id_);
}

void WebWindow::present(const Canvas& canvas, const std::vector<Rect>& rects) {
    if (rects.empty()) return;
    if (held_.empty()) page_.holding(*this);
    heldCanvas_ = &canvas;
    held_.insert(held_.end(), rects.begin(), rects.end());
}

void WebWindow::presentHeld() {
    if (held_.empty()) return;
    const Canvas& canvas = *heldCanvas_;
    Rect bounds = Rect{0, 0, canvas.width(), canvas.height()}.intersected({0, 0, size_.width, size_.height});
    for (const Rect& rect : held_) {
        Rect r = rect.intersected(bounds);
        if (r.empty()) continue;
        rgba_.resize(static_cast<std::size_t>(r.width) * r.height * 4);
        std::uint8_t* out = rgba_.data();
        for (int y = r.y; y < r.bottom(); ++y) {
            for (int x = r.x; x < r.right(); ++x) {
                Rgb pixel = canvas.pixel(x, y);
                *out++ = static_cast<std::uint8_t>(pixel >> 16);
                *out++ = static_cast<std::uint8_t>(pixel >> 8);
                *out++ = static_cast<std::uint8_t>(pixel);
                *out++ = 0xFF;
            }
        }
        orbitrove_canvas_put(id_, r.x, r.y, r.width, r.height, rgba_.data());
    }
    held_.clear();
}

void WebWindow::setCursor(TCursor cursor) { orbitrove_canvas_cursor(id_, cursor == TCursor::crHandPoint); }

void WebWindow::setTitle(const std::string& title) { orbitrove_canvas_label(id_, title.c_str()); }
