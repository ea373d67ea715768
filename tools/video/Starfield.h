#pragma once

#include "art/Noise.h"
#include "art/Raster.h"

#include <cstdint>
#include <vector>

namespace video {

// The sky behind everything: a faint nebula and stars in depth, drifting
// sideways at speeds that grow with nearness.
class Starfield {
public:
    Starfield(int width, int height, std::uint32_t seed);

    void draw(art::Raster& sky, float t) const;

private:
    struct Star {
        art::Vec2 at;
        float nearness = 0.0f;  // 0 far .. 1 near
        float brightness = 0.0f;
        float sigma = 0.0f;    // spread of the point, pixels
        float twinkle = 0.0f;  // phase; only some stars twinkle
        art::Color color;
    };

    Star makeStar(std::uint64_t index) const;
    art::Vec2 position(const Star& star, float t) const;
    void drawNebula(art::Raster& sky, float t) const;
    void drawStar(art::Raster& sky, const Star& star, float t) const;

    int width_;
    int height_;
    std::uint32_t seed_;
    art::Noise density_;
    art::Noise tint_;
    std::vector<Star> stars_;
};

}  // namespace video
