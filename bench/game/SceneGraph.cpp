#include "bench/game/SceneGraph.h"

#include <cstdio>
#include <sstream>

std::optional<std::pair<int, int>> gameWindowIn(const std::string& sceneGraph, int width, int height) {
    std::istringstream lines(sceneGraph);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("top-level window 'Orbitrove' of orbitrove,") == std::string::npos) continue;
        std::string place;
        std::getline(lines, place);
        auto at = place.find("position: (");
        int left = 0, top = 0, right = 0, bottom = 0;
        if (at != std::string::npos &&
            std::sscanf(place.c_str() + at, "position: (%d, %d) -> (%d, %d)", &left, &top, &right, &bottom) == 4 &&
            right - left == width && bottom - top == height)
            return std::pair{left, top};
    }
    return std::nullopt;
}
