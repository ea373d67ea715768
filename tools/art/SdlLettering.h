#pragma once

#include "Grid.h"

#include <filesystem>
#include <string>

namespace art {

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
    // The largest rendering whose ink fits within the given size.
    Grid<float> renderToFit(const std::filesystem::path& font, const std::string& text, int maxWidth,
                            int maxHeight) const;
};

} // namespace art
