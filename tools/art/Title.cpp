#include "Pictures.h"

#include "FontLocator.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int kWidth = 338;
constexpr int kHeight = 89;
// The lettering fills the top-right corner: columns 158..337, rows 0..20.
constexpr int kAreaLeft = 158;
constexpr int kAreaWidth = 180;
constexpr int kAreaHeight = 21;
constexpr const char* kTitle = "Ferrowind: Orbitrove";
constexpr int kRampEntries = 255;

// From barely-there to polished copper; index 0 stays pure black background.
constexpr Color kCopper[]{{0.05f, 0.025f, 0.012f, 1.0f},
                          {0.3f, 0.13f, 0.05f, 1.0f},
                          {0.7f, 0.36f, 0.16f, 1.0f},
                          {0.91f, 0.56f, 0.32f, 1.0f},
                          {1.0f, 0.83f, 0.64f, 1.0f}};

std::vector<Rgb> copperPalette() {
    std::vector<Rgb> palette{Rgb{}};
    for (int i = 0; i < kRampEntries; ++i) {
        palette.push_back(toRgb(ramp(kCopper, static_cast<float>(i) / (kRampEntries - 1))));
    }
    return palette;
}

// Metal catches the light on the upper part of each letter.
float sheen(int row, int height) {
    const float t = (static_cast<float>(row) + 0.5f) / static_cast<float>(height);
    return 0.78f + 0.22f * std::cos((t - 0.3f) * 3.0f);
}

std::uint8_t rampIndex(float coverage, float tone) {
    return static_cast<std::uint8_t>(1 + std::lround(std::clamp(coverage * tone, 0.0f, 1.0f) * (kRampEntries - 1)));
}

}  // namespace

IndexedImage drawTitle(const SdlLettering& lettering) {
    const Grid<float> ink =
        lettering.renderToFit(locateFont("Liberation Serif"), kTitle, kAreaWidth - 2, kAreaHeight - 2);
    const int left = kAreaLeft + kAreaWidth - 1 - ink.width();
    const int top = (kAreaHeight - ink.height()) / 2;
    IndexedImage title{Grid<std::uint8_t>(kWidth, kHeight, 0), copperPalette()};
    for (int y = 0; y < ink.height(); ++y) {
        for (int x = 0; x < ink.width(); ++x) {
            if (ink.at(x, y) > 0.0f) {
                title.indices.at(left + x, top + y) = rampIndex(ink.at(x, y), sheen(y, ink.height()));
            }
        }
    }
    return title;
}

}  // namespace art
