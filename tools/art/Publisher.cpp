#include "Pictures.h"

#include "Coverage.h"
#include "Easing.h"
#include "Flatten.h"
#include "FontLocator.h"
#include "Quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 48;
constexpr Rgb kField = rgb8(0x002FB0);
constexpr Vec2 kBadgeCentre{22.0f, 24.0f};
constexpr float kBadgeRadius = 20.5f;
constexpr float kBorderWidth = 3.4f;
constexpr int kTextLeft = 45;
constexpr int kTextWidth = 53;
constexpr int kTextHeight = 17;

constexpr Color kBorderLight = hexColor(0xFF4A3A);
constexpr Color kBorderDark = hexColor(0xA8100C);
constexpr Color kPanelLight = hexColor(0xFFF7DC);
constexpr Color kPanelDark = hexColor(0xFFD98A);
constexpr Color kInk = hexColor(0x17331A);
constexpr Color kSkinLight = hexColor(0x7EE05A);
constexpr Color kSkin = hexColor(0x3FA83A);
constexpr Color kEyeWhite = hexColor(0xFFFFFF);
constexpr Color kPupil = hexColor(0x101018);
constexpr Color kBulb = hexColor(0xFFD23C);
constexpr Color kLetterRed = hexColor(0xE8202A);
constexpr Color kLetterEdge = hexColor(0xFFF2E0);
constexpr Color kLetterShadow = hexColor(0x001452);

// Faint diagonal lattice; its lines pass clear of the corners.
Color field(Vec2 p) {
    constexpr float kPeriod = 8.0f;
    auto line = [&](float u) {
        const float phase = std::fmod(u + 4.0f, kPeriod);
        const float offset = std::min(phase, kPeriod - phase) / std::numbers::sqrt2_v<float>;
        return std::clamp(1.0f - offset, 0.0f, 1.0f);
    };
    const float lattice = std::max(line(p.x + p.y), line(p.x - p.y + 96.0f));
    // The glow behind the badge dies out before the corners, which keep the base blue.
    const float glow = smoothstep(30.0f, 4.0f, length(p - kBadgeCentre));
    const Color base = toColor(kField);
    const Color lighter = hexColor(0x2A5AD8);
    return mix(base, lighter, 0.22f * lattice + 0.3f * glow * (1.0f - 0.5f * lattice));
}

Shape hexagon(float radius) {
    std::vector<Vec2> corners;
    for (int i = 0; i < 6; ++i) {
        const float angle = (-90.0f + 60.0f * static_cast<float>(i)) * std::numbers::pi_v<float> / 180.0f;
        corners.push_back(kBadgeCentre + polar(radius, angle));
    }
    return Shape::polygon(std::move(corners));
}

void drawBadge(Raster& raster) {
    const float top = kBadgeCentre.y - kBadgeRadius;
    const float bottom = kBadgeCentre.y + kBadgeRadius;
    raster.fill(hexagon(kBadgeRadius + 1.0f), kLetterShadow);
    raster.fill(hexagon(kBadgeRadius),
                [=](Vec2 p) { return mix(kBorderLight, kBorderDark, smoothstep(top, bottom, p.y)); });
    raster.fill(hexagon(kBadgeRadius - kBorderWidth),
                [=](Vec2 p) { return mix(kPanelLight, kPanelDark, smoothstep(top + 6.0f, bottom, p.y)); });
}

struct Part {
    Shape shape;
    Color color;
};

// A small waving alien: every part gets a dark cartoon outline first.
std::vector<Part> alienParts() {
    return {{Shape::capsule({18.5f, 14.5f}, {15.5f, 9.5f}, 0.6f), kInk},
            {Shape::capsule({25.5f, 14.5f}, {28.5f, 9.5f}, 0.6f), kInk},
            {Shape::circle({15.3f, 9.0f}, 1.6f), kBulb},
            {Shape::circle({28.7f, 9.0f}, 1.6f), kBulb},
            {Shape::capsule({17.0f, 31.0f}, {13.6f, 35.0f}, 1.3f), kSkin},
            {Shape::capsule({27.0f, 30.5f}, {31.0f, 26.0f}, 1.3f), kSkin},
            {Shape::ellipse({19.5f, 38.3f}, {2.2f, 1.3f}), kSkin},
            {Shape::ellipse({24.5f, 38.3f}, {2.2f, 1.3f}), kSkin},
            {Shape::ellipse({22.0f, 33.0f}, {5.6f, 5.0f}), kSkin},
            {Shape::circle({22.0f, 21.5f}, 7.6f), kSkin}};
}

void drawAlien(Raster& raster) {
    const std::vector<Part> parts = alienParts();
    for (const Part& part : parts) {
        raster.fill(part.shape.grown(1.0f), kInk);
    }
    for (const Part& part : parts) {
        raster.fill(part.shape, part.color);
    }
    raster.fill(Shape::circle({19.6f, 18.6f}, 3.0f).intersected(Shape::circle({22.0f, 21.5f}, 7.6f)), kSkinLight);
    raster.fill(Shape::ellipse({19.2f, 20.5f}, {2.2f, 2.9f}), kEyeWhite);
    raster.fill(Shape::ellipse({24.8f, 20.5f}, {2.2f, 2.9f}), kEyeWhite);
    raster.fill(Shape::circle({19.8f, 21.3f}, 1.2f), kPupil);
    raster.fill(Shape::circle({25.4f, 21.3f}, 1.2f), kPupil);
    const Shape smile =
        Shape::circle({22.0f, 23.6f}, 3.4f).innerBand(0.9f).intersected(Shape::box({17.0f, 24.8f, 27.0f, 29.0f}));
    raster.fill(smile, kInk);
}

void drawName(Raster& raster, const SdlLettering& lettering) {
    const Grid<float> ink =
        lettering.renderToFit(locateFont("Liberation Sans:bold"), "Nebulka", kTextWidth - 2, kTextHeight);
    const Grid<float> edge = dilated(ink);
    const int left = kTextLeft + (kTextWidth - ink.width()) / 2;
    const int top = (kHeight - ink.height()) / 2;
    raster.stamp(edge, left, top + 1, [](Vec2) { return kLetterShadow; });
    raster.stamp(edge, left - 1, top - 1, [](Vec2) { return kLetterEdge; });
    raster.stamp(ink, left, top, [](Vec2) { return kLetterRed; });
}

}  // namespace

IndexedImage drawPublisher(const SdlLettering& lettering) {
    Raster raster(kWidth, kHeight, {0.0f, 0.0f, 0.0f, 1.0f});
    raster.fill(Shape::box({0.0f, 0.0f, kWidth, kHeight}), field);
    drawBadge(raster);
    drawAlien(raster);
    drawName(raster, lettering);
    return quantize(flattenRounded(raster), 256, {kField});
}

}  // namespace art
