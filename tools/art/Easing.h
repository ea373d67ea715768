#pragma once

#include <algorithm>

namespace art {

// Hermite step from 0 at edge0 to 1 at edge1.
inline float smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace art
