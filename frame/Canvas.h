#pragma once
#include <string>
#include <vector>

#include "frame/Bitmap.h"
#include "frame/Geometry.h"

// An offscreen pixel buffer with the few drawing operations the controls
// need. Drawing goes through an origin and a clip rectangle so that a
// control paints in its own coordinates and never outside its rectangle.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<Rgb>& pixels() const { return pixels_; }
    Rgb pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Origin and clip, both in canvas coordinates; restored by ClipScope.
    Point origin() const { return origin_; }
    Rect clip() const { return clip_; }
    void setOrigin(Point origin) { origin_ = origin; }
    void setClip(const Rect& clip) { clip_ = clip.intersected({0, 0, width_, height_}); }

    void fillRect(const Rect& r, Rgb color);
    void frameRect(const Rect& r, Rgb color);
    void hLine(int x, int y, int length, Rgb color);
    void vLine(int x, int y, int length, Rgb color);
    void setPixel(int x, int y, Rgb color);
    void blendPixel(int x, int y, Rgb color, int alpha);
    // Draws `bitmap` with its top-left at (x, y), scaled to `dest` size when
    // given; with `transparent`, pixels of the bitmap's bottom-left colour are
    // left out.
    void drawBitmap(const Bitmap& bitmap, int x, int y, bool transparent);
    void stretchBitmap(const Bitmap& bitmap, const Rect& dest, bool transparent);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
    Point origin_;
    Rect clip_;
};

// Moves the origin and narrows the clip for one control's painting.
class ClipScope {
public:
    ClipScope(Canvas& canvas, const Rect& area);  // area in current coordinates
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Canvas& canvas_;
    Point savedOrigin_;
    Rect savedClip_;
};
