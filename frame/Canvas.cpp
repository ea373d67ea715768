#include "frame/Canvas.h"

#include <algorithm>

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * height, 0),
      clip_{0, 0, width, height} {}

void Canvas::fillRect(const Rect& r, Rgb color) {
    Rect area = r.translated(origin_.x, origin_.y).intersected(clip_);
    for (int y = area.y; y < area.bottom(); ++y) {
        Rgb* row = &pixels_[static_cast<std::size_t>(y) * width_];
        std::fill(row + area.x, row + area.right(), color);
    }
}

void Canvas::frameRect(const Rect& r, Rgb color) {
    if (r.empty()) return;
    hLine(r.x, r.y, r.width, color);
    hLine(r.x, r.bottom() - 1, r.width, color);
    vLine(r.x, r.y, r.height, color);
    vLine(r.right() - 1, r.y, r.height, color);
}

void Canvas::hLine(int x, int y, int length, Rgb color) { fillRect({x, y, length, 1}, color); }

void Canvas::vLine(int x, int y, int length, Rgb color) { fillRect({x, y, 1, length}, color); }

void Canvas::setPixel(int x, int y, Rgb color) { fillRect({x, y, 1, 1}, color); }

void Canvas::blendPixel(int x, int y, Rgb color, int alpha) {
    Point p{x + origin_.x, y + origin_.y};
    if (alpha <= 0 || !clip_.contains(p)) return;
    Rgb& dst = pixels_[static_cast<std::size_t>(p.y) * width_ + p.x];
    Rgb out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int d = (dst >> shift) & 0xFF, s = (color >> shift) & 0xFF;
        out |= static_cast<Rgb>((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    }
    dst = out;
}

// Unscaled, a picture's rows are copied as they are: most of what the game
// paints in play (sprites over the backdrop) takes this way.
void Canvas::drawBitmap(const Bitmap& bitmap, int x, int y, bool transparent) {
    if (bitmap.empty()) return;
    Rect target{x + origin_.x, y + origin_.y, bitmap.width, bitmap.height};
    Rect area = target.intersected(clip_);
    if (area.empty()) return;
    Rgb key = bitmap.bottomLeft();
    for (int row = area.y; row < area.bottom(); ++row) {
        const Rgb* from = &bitmap.pixels[static_cast<std::size_t>(row - target.y) * bitmap.width + (area.x - target.x)];
        Rgb* to = &pixels_[static_cast<std::size_t>(row) * width_ + area.x];
        if (!transparent) {
            std::copy_n(from, area.width, to);
            continue;
        }
        for (int i = 0; i < area.width; ++i)
            if (from[i] != key) to[i] = from[i];
    }
}

void Canvas::stretchBitmap(const Bitmap& bitmap, const Rect& dest, bool transparent) {
    if (bitmap.empty() || dest.empty()) return;
    Rgb key = bitmap.bottomLeft();
    Rect target = dest.translated(origin_.x, origin_.y);
    Rect area = target.intersected(clip_);
    for (int y = area.y; y < area.bottom(); ++y) {
        int sy = static_cast<int>(static_cast<long long>(y - target.y) * bitmap.height / dest.height);
        Rgb* row = &pixels_[static_cast<std::size_t>(y) * width_];
        for (int x = area.x; x < area.right(); ++x) {
            int sx = static_cast<int>(static_cast<long long>(x - target.x) * bitmap.width / dest.width);
            Rgb p = bitmap.at(sx, sy);
            if (!transparent || p != key) row[x] = p;
        }
    }
}

ClipScope::ClipScope(Canvas& canvas, const Rect& area)
    : canvas_(canvas), savedOrigin_(canvas.origin()), savedClip_(canvas.clip()) {
    Rect absolute = area.translated(savedOrigin_.x, savedOrigin_.y);
    canvas.setOrigin({absolute.x, absolute.y});
    canvas.setClip(absolute.intersected(savedClip_));
}

ClipScope::~ClipScope() {
    canvas_.setOrigin(savedOrigin_);
    canvas_.setClip(savedClip_);
}
