#include "SdlLettering.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <stdexcept>

namespace art {

namespace {

constexpr int kLargestSize = 96;

struct FontCloser {
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};

struct SurfaceFreer {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

using FontPtr = std::unique_ptr<TTF_Font, FontCloser>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFreer>;

FontPtr openFont(const std::filesystem::path& fontFile, int pixelSize) {
    FontPtr font(TTF_OpenFont(fontFile.c_str(), pixelSize));
    if (!font) {
        throw std::runtime_error("cannot open font " + fontFile.string() + ": " + TTF_GetError());
    }
    // Full hinting snaps stems to whole pixels, which keeps small lettering legible.
    TTF_SetFontHinting(font.get(), TTF_HINTING_NORMAL);
    return font;
}

SurfacePtr renderLine(TTF_Font& font, const std::string& text) {
    SurfacePtr line(TTF_RenderUTF8_Blended(&font, text.c_str(), SDL_Color{255, 255, 255, 255}));
    if (!line) {
        throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    }
    SurfacePtr argb(SDL_ConvertSurfaceFormat(line.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        throw std::runtime_error(std::string("cannot convert text surface: ") + SDL_GetError());
    }
    return argb;
}

float alphaAt(const SDL_Surface& surface, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(surface.pixels) + y * surface.pitch;
    const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
    return static_cast<float>(pixel >> 24) / 255.0f;
}

Grid<float> coverageOf(const SDL_Surface& surface) {
    Grid<float> coverage(surface.w, surface.h);
    for (int y = 0; y < surface.h; ++y) {
        for (int x = 0; x < surface.w; ++x) {
            coverage.at(x, y) = alphaAt(surface, x, y);
        }
    }
    return coverage;
}

struct InkBounds {
    int left = 0;
    int top = 0;
    int right = -1;  // inclusive; below left when there is no ink
    int bottom = -1;
};

InkBounds inkBounds(const Grid<float>& coverage) {
    InkBounds bounds{coverage.width(), coverage.height(), -1, -1};
    for (int y = 0; y < coverage.height(); ++y) {
        for (int x = 0; x < coverage.width(); ++x) {
            if (coverage.at(x, y) > 0.0f) {
                bounds.left = std::min(bounds.left, x);
                bounds.right = std::max(bounds.right, x);
                bounds.top = std::min(bounds.top, y);
                bounds.bottom = std::max(bounds.bottom, y);
            }
        }
    }
    return bounds;
}

Grid<float> cropped(const Grid<float>& coverage, const InkBounds& bounds) {
    if (bounds.right < 0) {
        return Grid<float>(0, 0);
    }
    Grid<float> ink(bounds.right - bounds.left + 1, bounds.bottom - bounds.top + 1);
    for (int y = bounds.top; y <= bounds.bottom; ++y) {
        for (int x = bounds.left; x <= bounds.right; ++x) {
            ink.at(x - bounds.left, y - bounds.top) = coverage.at(x, y);
        }
    }
    return ink;
}

}  // namespace

SdlLettering::SdlLettering() {
    if (TTF_Init() != 0) {
        throw std::runtime_error(std::string("cannot start font rendering: ") + TTF_GetError());
    }
}

SdlLettering::~SdlLettering() { TTF_Quit(); }

Grid<float> SdlLettering::render(const std::filesystem::path& font, int pixelSize, const std::string& text) const {
    return renderOnBaseline(font, pixelSize, text).ink;
}

LineInk SdlLettering::renderOnBaseline(const std::filesystem::path& fontFile, int pixelSize,
                                       const std::string& text) const {
    const FontPtr font = openFont(fontFile, pixelSize);
    const Grid<float> coverage = coverageOf(*renderLine(*font, text));
    const InkBounds bounds = inkBounds(coverage);
    // The line's surface has the baseline at the font's ascent.
    return {cropped(coverage, bounds), TTF_FontAscent(font.get()) - bounds.top};
}

Grid<float> SdlLettering::renderToFit(const std::filesystem::path& font, const std::string& text, int maxWidth,
                                      int maxHeight) const {
    for (int size = kLargestSize; size > 1; --size) {
        Grid<float> ink = render(font, size, text);
        if (ink.width() <= maxWidth && ink.height() <= maxHeight) {
            return ink;
        }
    }
    throw std::runtime_error("text does not fit: " + text);
}

}  // namespace art
