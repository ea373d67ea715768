#include "Pictures.h"

#include "Mask.h"

#include <array>
#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr int kButtonWidth = 19;
constexpr int kButtonHeight = 18;
constexpr int kHelpSize = 18;

// The sixteen colours of the classic system palette.
constexpr std::array<Rgb, 16> kSystemColors{{rgb8(0x000000), rgb8(0x800000), rgb8(0x008000), rgb8(0x808000),
                                             rgb8(0x000080), rgb8(0x800080), rgb8(0x008080), rgb8(0xC0C0C0),
                                             rgb8(0x808080), rgb8(0xFF0000), rgb8(0x00FF00), rgb8(0xFFFF00),
                                             rgb8(0x0000FF), rgb8(0xFF00FF), rgb8(0x00FFFF), rgb8(0xFFFFFF)}};
enum SystemColor : std::uint8_t { Maroon = 1, Green = 2, Silver = 7, Grey = 8, Red = 9, Lime = 10 };

constexpr Rgb kMagentaKey = rgb8(0xFF00FF);
constexpr Rgb kTealLight = rgb8(0x3CC4C4);
constexpr Rgb kTeal = rgb8(0x008080);
constexpr Rgb kTealDark = rgb8(0x004A4A);
constexpr Rgb kEmbossGrey = rgb8(0x808080);
constexpr Rgb kEmbossWhite = rgb8(0xFFFFFF);

IndexedImage systemPaletteImage(int width, int height, SystemColor fill) {
    return {Grid<std::uint8_t>(width, height, fill), {kSystemColors.begin(), kSystemColors.end()}};
}

bool litEdge(const Mask& mask, int x, int y) { return !mask.has(x, y - 1) || !mask.has(x - 1, y); }

bool shadedEdge(const Mask& mask, int x, int y) { return !mask.has(x, y + 1) || !mask.has(x + 1, y); }

// An italic X: the strokes lean right like handwriting.
Mask crossMark() {
    const Shape falling = Shape::polygon({{5.0f, 2.5f}, {8.4f, 2.5f}, {14.2f, 14.5f}, {10.8f, 14.5f}});
    const Shape rising = Shape::polygon({{12.8f, 2.5f}, {16.2f, 2.5f}, {6.4f, 14.5f}, {3.0f, 14.5f}});
    return Mask::of(falling.united(rising), kButtonWidth, kButtonHeight);
}

// The hook sweeps from the left over the top and down into a short stem.
// Centred on a pixel column so the stem and dot are a whole three pixels wide.
Mask questionMark() {
    constexpr Vec2 kHookCentre{8.5f, 6.0f};
    const float gapFrom = 95.0f * std::numbers::pi_v<float> / 180.0f;
    const float gapTo = 172.0f * std::numbers::pi_v<float> / 180.0f;
    const Shape gap =
        Shape::polygon({kHookCentre, kHookCentre + polar(12.0f, gapFrom),
                        kHookCentre + polar(12.0f, (gapFrom + gapTo) * 0.5f), kHookCentre + polar(12.0f, gapTo)});
    const Shape hook = Shape::circle(kHookCentre, 5.0f).minus(Shape::circle(kHookCentre, 2.2f)).minus(gap);
    const Shape stem = Shape::box({7.0f, 9.5f, 10.0f, 12.5f});
    const Shape dot = Shape::box({7.0f, 14.0f, 10.0f, 17.0f});
    return Mask::of(hook.united(stem).united(dot), kHelpSize, kHelpSize);
}

RgbImage keyedGlyph() { return RgbImage(kHelpSize, kHelpSize, kMagentaKey); }

}  // namespace

IndexedImage drawQuitIcon() {
    const Mask cross = crossMark();
    const Mask shadow = cross.shifted(1, 1);
    IndexedImage icon = systemPaletteImage(kButtonWidth, kButtonHeight, Silver);
    for (int y = 0; y < kButtonHeight; ++y) {
        for (int x = 0; x < kButtonWidth; ++x) {
            if (cross.has(x, y)) {
                icon.indices.at(x, y) = litEdge(cross, x, y) ? Red : Maroon;
            } else if (shadow.has(x, y)) {
                icon.indices.at(x, y) = Grey;
            }
        }
    }
    return icon;
}

IndexedImage drawPauseIcon() {
    constexpr std::array<int, 2> kBarLeft{4, 11};
    constexpr int kBarWidth = 5;
    constexpr int kTop = 1;
    constexpr int kBottom = 16;
    IndexedImage icon = systemPaletteImage(kButtonWidth, kButtonHeight, Silver);
    for (const int left : kBarLeft) {
        for (int y = kTop; y <= kBottom; ++y) {
            for (int x = left; x < left + kBarWidth; ++x) {
                const bool edge = x == left + kBarWidth - 1 || y == kBottom;
                icon.indices.at(x, y) = edge ? Green : Lime;
            }
        }
    }
    return icon;
}

RgbImage drawHelpGlyph() {
    const Mask glyph = questionMark();
    RgbImage image = keyedGlyph();
    for (int y = 0; y < kHelpSize; ++y) {
        for (int x = 0; x < kHelpSize; ++x) {
            if (glyph.has(x, y)) {
                image.at(x, y) = litEdge(glyph, x, y) ? kTealLight : shadedEdge(glyph, x, y) ? kTealDark : kTeal;
            }
        }
    }
    return image;
}

// Drawn the way disabled controls are: a grey shape over its own white highlight.
RgbImage drawDisabledHelpGlyph() {
    const Mask glyph = questionMark();
    const Mask highlight = glyph.shifted(1, 1);
    RgbImage image = keyedGlyph();
    for (int y = 0; y < kHelpSize; ++y) {
        for (int x = 0; x < kHelpSize; ++x) {
            if (glyph.has(x, y)) {
                image.at(x, y) = kEmbossGrey;
            } else if (highlight.has(x, y)) {
                image.at(x, y) = kEmbossWhite;
            }
        }
    }
    return image;
}

}  // namespace art
