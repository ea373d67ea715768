#pragma once
#include <optional>
#include <string>
#include <utility>

// The top-left of a window titled "Orbitrove" with the application id
// "orbitrove", WIDTH x HEIGHT, in weston's scene-graph debug text.
std::optional<std::pair<int, int>> gameWindowIn(const std::string& sceneGraph, int width, int height);
