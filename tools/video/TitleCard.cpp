#include "TitleCard.h"

#include "Blur.h"
#include "art/Easing.h"
#include "art/FontLocator.h"

#include <cmath>

namespace video {

using art::Color;
using art::Vec2;

namespace {

constexpr const char* kTitle = "Orbitrove";
constexpr const char* kFace = "Liberation Serif:bold";
// Rendered this large and shrunk, the letters keep smooth edges at any zoom step.
constexpr int kInkSize = 160;
constexpr float kStartZoom = 0.72f;

// Polished gold: pale where the letters catch the light, deep amber below, a reflected rim at the foot.
constexpr Color kGold[]{{1.0f, 0.96f, 0.76f, 1.0f},
                        {1.0f, 0.82f, 0.36f, 1.0f},
                        {0.86f, 0.56f, 0.14f, 1.0f},
                        {0.7f, 0.42f, 0.08f, 1.0f},
                        {0.98f, 0.74f, 0.32f, 1.0f}};
constexpr Color kGlow{1.0f, 0.62f, 0.16f, 1.0f};

float easeOut(float u) { return 1.0f - std::pow(1.0f - u, 3.0f); }

// Adds the halo as light, so it brightens whatever lies behind the letters.
void shine(art::Raster& frame, const PlacedInk& halo, float strength) {
    const art::Box area{static_cast<float>(halo.left), static_cast<float>(halo.top),
                        static_cast<float>(halo.left + halo.coverage.width() - 1),
                        static_cast<float>(halo.top + halo.coverage.height() - 1)};
    frame.shine(area, [&](Vec2 p) {
        const float cover = halo.coverage.at(static_cast<int>(p.x) - halo.left, static_cast<int>(p.y) - halo.top);
        return withAlpha(kGlow, strength * cover);
    });
}

}  // namespace

TitleCard::TitleCard(const art::SdlLettering& lettering, Vec2 centre, float width)
    : ink_(lettering.render(art::locateFont(kFace), kInkSize, kTitle)), centre_(centre), width_(width) {}

Color TitleCard::gold(const PlacedInk& letters, Vec2 p, float gleam) {
    const float top = static_cast<float>(letters.top);
    const float height = static_cast<float>(letters.coverage.height());
    const Color metal = art::ramp(kGold, (p.y - top) / height);
    if (gleam < 0.0f) {
        return metal;
    }
    // A slanted band of light sweeping from left to right.
    const float left = static_cast<float>(letters.left) - height;
    const float across = left + gleam * (static_cast<float>(letters.coverage.width()) + 2.0f * height);
    const float band = (p.x - across) + (p.y - top) * 0.5f;
    return mix(metal, Color{1.0f, 1.0f, 0.95f, 1.0f}, 0.8f * std::exp(-band * band / 6.0f));
}

void TitleCard::draw(art::Raster& frame, float reveal, float gleam) const {
    if (reveal <= 0.0f) {
        return;
    }
    const float grown = easeOut(reveal);
    const float opacity = art::smoothstep(0.0f, 0.55f, reveal);
    const PlacedInk letters = ink_.placed(centre_, width_ * (kStartZoom + (1.0f - kStartZoom) * grown));
    // The glow flares as the title arrives and settles to a steady halo.
    shine(frame, blurred(letters, 2.4f), opacity * (0.7f + 0.8f * (1.0f - grown)));
    frame.stamp(letters.coverage, letters.left, letters.top,
                [&](Vec2 p) { return withAlpha(gold(letters, p, gleam), opacity); });
}

}  // namespace video
