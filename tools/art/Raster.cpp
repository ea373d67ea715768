#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

Color over(Color source, Color destination) {
    const float alpha = source.a + destination.a * (1.0f - source.a);
    if (alpha <= 0.0f) {
        return {0.0f, 0.0f, 0.0f, 0.0f};
    }
    const float keep = destination.a * (1.0f - source.a);
    return {(source.r * source.a + destination.r * keep) / alpha, (source.g * source.a + destination.g * keep) / alpha,
            (source.b * source.a + destination.b * keep) / alpha, alpha};
}

}  // namespace

Raster::Raster(int width, int height, Color fill) : pixels_(width, height, fill) {}

template <typename Visit>
void Raster::forEachPixelIn(const Box& area, Visit visit) {
    const int left = std::max(0, static_cast<int>(std::floor(area.left)));
    const int top = std::max(0, static_cast<int>(std::floor(area.top)));
    const int right = std::min(width() - 1, static_cast<int>(std::ceil(area.right)));
    const int bottom = std::min(height() - 1, static_cast<int>(std::ceil(area.bottom)));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            visit(pixels_.at(x, y), Vec2{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
        }
    }
}

void Raster::fill(const Shape& shape, const Paint& paint) {
    forEachPixelIn(shape.bounds().grown(1.0f), [&](Color& pixel, Vec2 p) {
        const float coverage = shape.coverage(p);
        if (coverage > 0.0f) {
            const Color color = paint(p);
            pixel = over(withAlpha(color, color.a * coverage), pixel);
        }
    });
}

void Raster::fill(const Shape& shape, Color color) {
    fill(shape, [color](Vec2) { return color; });
}

void Raster::stamp(const Grid<float>& coverage, int left, int top, const Paint& paint) {
    const Box area{static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + coverage.width() - 1),
                   static_cast<float>(top + coverage.height() - 1)};
    forEachPixelIn(area, [&](Color& pixel, Vec2 p) {
        const float cover = coverage.at(static_cast<int>(p.x) - left, static_cast<int>(p.y) - top);
        if (cover > 0.0f) {
            const Color color = paint(p);
            pixel = over(withAlpha(color, color.a * cover), pixel);
        }
    });
}

void Raster::shine(const Box& area, const Paint& light) {
    forEachPixelIn(area, [&](Color& pixel, Vec2 p) {
        const Color emitted = light(p);
        pixel.r += emitted.r * emitted.a;
        pixel.g += emitted.g * emitted.a;
        pixel.b += emitted.b * emitted.a;
    });
}

void Raster::erase(const Shape& shape) {
    forEachPixelIn(shape.bounds().grown(1.0f), [&](Color& pixel, Vec2 p) {
        if (shape.contains(p)) {
            pixel = {0.0f, 0.0f, 0.0f, 0.0f};
        }
    });
}

void Raster::attenuate(const std::function<float(Vec2)>& factor) {
    forEachPixelIn({0.0f, 0.0f, static_cast<float>(width()), static_cast<float>(height())},
                   [&](Color& pixel, Vec2 p) { pixel = scaled(pixel, factor(p)); });
}

}  // namespace art
