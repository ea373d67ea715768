#include "Sun.h"

#include <algorithm>
#include <cmath>

namespace art {

void drawSun(Raster& raster, Vec2 centre, const Box& area) {
    const Color glowColor{0.5f, 0.88f, 1.0f, 1.0f};
    const Color white{1.0f, 1.0f, 1.0f, 1.0f};
    raster.shine(area, [&](Vec2 p) {
        const Vec2 d = p - centre;
        const float r = length(d);
        const float core = std::clamp(7.0f - r, 0.0f, 1.0f) * 3.0f + 1.4f * std::exp(-r / 4.5f);
        const float glow = 0.9f / (1.0f + (r / 9.0f) * (r / 9.0f)) + 0.16f * std::exp(-r / 60.0f);
        const float streak = std::exp(-d.y * d.y / 1.2f) * std::exp(-std::abs(d.x) / 55.0f) * 0.9f +
                             std::exp(-d.x * d.x / 0.9f) * std::exp(-std::abs(d.y) / 26.0f) * 0.5f;
        const Color tone = mix(glowColor, white, std::clamp(core, 0.0f, 1.0f));
        return withAlpha(tone, core + glow + streak);
    });
}

}  // namespace art
