#include "OrbitalStation.h"

#include "art/Easing.h"

#include <algorithm>
#include <cmath>

namespace video {

using art::Box;
using art::Color;
using art::hexColor;
using art::Shape;
using art::Vec2;

namespace {

constexpr Color kSteelLight = hexColor(0xC9CED6);
constexpr Color kSteel = hexColor(0x7D848F);
constexpr Color kSteelDark = hexColor(0x3A3F48);
constexpr Color kPanelDeep = hexColor(0x0E1B44);
constexpr Color kPanelLit = hexColor(0x2F56A8);
constexpr Color kPanelGap = hexColor(0x6F8CC8);
constexpr Color kWindowGlow = hexColor(0xFFD27A);
constexpr Color kBeamGreen = hexColor(0x00FF80);
constexpr Color kPortRed = hexColor(0xFF3030);
constexpr Color kStarboardGreen = hexColor(0x40FF70);
constexpr Color kStrobeWhite = hexColor(0xF4F8FF);

constexpr Vec2 kMuzzleOffset{-6.0f, 7.0f};

Box around(Vec2 c, Box box) { return {c.x + box.left, c.y + box.top, c.x + box.right, c.y + box.bottom}; }

// Lit from the upper left, like the Moon.
Color steel(Vec2 c, Vec2 p, float halfHeight) {
    const float t = std::clamp((p.y - c.y) / halfHeight * 0.5f + 0.5f - (p.x - c.x) * 0.02f, 0.0f, 1.0f);
    const Color stops[]{kSteelLight, kSteel, kSteelDark};
    return art::ramp(stops, t);
}

void drawGlow(art::Raster& layer, Vec2 at, Color color, float strength, float radius) {
    layer.fill(Shape::circle(at, radius * 2.5f), [=](Vec2 p) {
        const Vec2 d = p - at;
        return withAlpha(color, std::min(1.0f, strength * std::exp(-dot(d, d) / (radius * radius))));
    });
}

// A light that is on for the given share of each period.
float blink(float t, float period, float phase, float share) {
    const float u = std::fmod(t / period + phase, 1.0f);
    return art::smoothstep(0.0f, 0.04f, u) * (1.0f - art::smoothstep(share, share + 0.04f, u));
}

}  // namespace

Vec2 OrbitalStation::muzzle(Vec2 centre) { return centre + kMuzzleOffset; }

// side: -1 for the left wing, +1 for the right.
void OrbitalStation::drawWing(art::Raster& layer, Vec2 c, float side) {
    layer.fill(Shape::capsule(c, c + Vec2{side * 10.0f, 0.0f}, 0.7f), kSteelDark);
    const Box panel = around(c, side < 0.0f ? Box{-20.0f, -6.5f, -10.0f, 6.5f} : Box{10.0f, -6.5f, 20.0f, 6.5f});
    layer.fill(Shape::box(panel.grown(0.5f)), kSteelDark);
    layer.fill(Shape::box(panel), [=](Vec2 p) {
        const float glint = std::exp(-std::pow((p.x - panel.left) - (p.y - panel.top) * 0.8f - 3.0f, 2.0f) / 6.0f);
        const float cell = std::fmod(p.y - panel.top + 0.5f, 3.25f) < 0.7f ? 1.0f : 0.0f;
        const Color base = mix(kPanelLit, kPanelDeep, art::smoothstep(panel.top, panel.bottom, p.y));
        return mix(mix(base, kPanelGap, 0.45f * cell), kPanelGap, 0.5f * glint);
    });
    const float middle = (panel.left + panel.right) * 0.5f;
    layer.fill(Shape::box({middle - 0.35f, panel.top, middle + 0.35f, panel.bottom}), withAlpha(kSteelDark, 0.8f));
}

void OrbitalStation::drawHub(art::Raster& layer, Vec2 c) {
    layer.fill(Shape::box(around(c, {-2.0f, -8.0f, 2.0f, -2.0f}), 0.8f), [=](Vec2 p) { return steel(c, p, 8.0f); });
    layer.fill(Shape::capsule(c + Vec2{0.0f, -8.0f}, c + Vec2{0.0f, -12.0f}, 0.4f), kSteel);
    const Shape body = Shape::capsule(c + Vec2{-5.5f, 0.0f}, c + Vec2{5.5f, 0.0f}, 3.8f);
    layer.fill(body, [=](Vec2 p) { return steel(c, p, 3.8f); });
    for (const float x : {-2.6f, 2.6f}) {
        layer.fill(Shape::box(around(c, {x - 0.3f, -3.8f, x + 0.3f, 3.8f})).intersected(body), kSteelDark);
    }
    for (const float x : {-4.6f, 0.0f, 4.6f}) {
        layer.fill(Shape::circle(c + Vec2{x, 0.3f}, 0.7f), kWindowGlow);
    }
    layer.fill(Shape::ellipse(c + Vec2{5.0f, 5.2f}, {2.2f, 1.0f}), kSteel);
}

void OrbitalStation::drawEmitter(art::Raster& layer, Vec2 c, float charge) {
    const Vec2 tip = muzzle(c);
    layer.fill(Shape::box(around(c, {-2.5f, 2.5f, 0.5f, 6.0f}), 0.8f), kSteelDark);
    layer.fill(Shape::capsule(c + Vec2{-1.0f, 5.6f}, tip, 1.0f), [=](Vec2 p) { return steel(c, p, 7.0f); });
    layer.fill(Shape::circle(tip, 1.0f), mix(kSteelDark, kBeamGreen, 0.3f + 0.7f * charge));
    if (charge > 0.0f) {
        drawGlow(layer, tip, kBeamGreen, charge, 1.0f + 1.8f * charge);
    }
}

void OrbitalStation::drawLights(art::Raster& layer, Vec2 c, float t) {
    drawGlow(layer, c + Vec2{-20.5f, 0.0f}, kPortRed, 0.25f + 0.75f * blink(t, 1.4f, 0.0f, 0.45f), 1.0f);
    drawGlow(layer, c + Vec2{20.5f, 0.0f}, kStarboardGreen, 0.25f + 0.75f * blink(t, 1.4f, 0.5f, 0.45f), 1.0f);
    drawGlow(layer, c + Vec2{0.0f, -12.5f}, kStrobeWhite, blink(t, 1.0f, 0.3f, 0.08f), 1.3f);
}

void OrbitalStation::draw(art::Raster& layer, Vec2 c, float t, float charge) const {
    drawWing(layer, c, -1.0f);
    drawWing(layer, c, 1.0f);
    drawEmitter(layer, c, charge);
    drawHub(layer, c);
    drawLights(layer, c, t);
}

}  // namespace video
