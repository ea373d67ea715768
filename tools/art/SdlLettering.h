#pragma once

#include "Grid.h"

#include <filesystem>
#include <string>

namespace art {

// Inked pixels together with the row, counted from the ink's top, that the
// letters stand on; pieces rendered at one size line up on it.
struct LineInk {
    Grid<float> ink;
    int baseline = 0;
};

// Renders text to coverage (0..1 per pixel) through the font rasteriser.
// Keeps the rasteriser open for its lifetime.
class SdlLettering {
public:
    SdlLettering();
    ~SdlLettering();
    SdlLettering(const SdlLettering&) = delete;
    SdlLettering& operator=(const SdlLettering&) = delete;

    // The text's inked pixels only, trimmed of the line's empty margins.
    Grid<float> render(const std::filesystem::path& font, int pixelSize, const std::string& text) const;
    // The same, with the row its letters stand on.
    LineInk renderOnBaseline(const std::filesystem::path& font, int pixelSize, const std::string& text) const;
    // The largest rendering whose ink fits within the given size.
    Grid<float> renderToFit(const std::filesystem::path& font, const std::string& text, int maxWidth,
                            int maxHeight) const;
};

}  // namespace art
