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

SurfacePtr renderLine(const std::filesystem::path& fontFile, int pixelSize, const std::string& text)
{
    const FontPtr font(TTF_OpenFont(fontFile.c_str(), pixelSize));
    if (!font) {
        throw std::runtime_error("cannot open font " + fontFile.string() + ": " + TTF_GetError());
    }
    // Full hinting snaps stems to whole pixels, which keeps small lettering legible.
    TTF_SetFontHinting(font.get(), TTF_HINTING_NORMAL);
    SurfacePtr line(TTF_RenderUTF8_Blended(font.get(), text.c_str(), SDL_Color{255, 255, 255, 255}));
    if (!line) {
        throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    }
    SurfacePtr argb(SDL_ConvertSurfaceFormat(line.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        throw std::runtime_error(std::string("cannot convert text surface: ") + SDL_GetError());
    }
    return argb;
}

float alphaAt(const SDL_Surface& surface, int x, int y)
{
    const auto* row = static_cast<const std::uint8_t*>(surface.pixels) + y * surface.pitch;
    const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
    return static_cast<float>(pixel >> 24) / 255.0f;
}

Grid<float> coverageOf(const SDL_Surface& surface)
{
    Grid<float> coverage(surface.w, surface.h);
    for (int y = 0; y < surface.h; ++y) {
        for (int x = 0; x < surface.w; ++x) {
            coverage.at(x, y) = alphaAt(surface, x, y);
        }
    }
    return coverage;
}

Grid<float> trimmed(const Grid<float>& coverage)
{
    int left = coverage.width();
    int top = coverage.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < coverage.height(); ++y) {
        for (int x = 0; x < coverage.width(); ++x) {
            if (coverage.at(x, y) > 0.0f) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return Grid<float>(0, 0);
    }
    Grid<float> ink(right - left + 1, bottom - top + 1);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            ink.at(x - left, y - top) = coverage.at(x, y);
        }
    }
    return ink;
}

} // namespace

SdlLettering::SdlLettering()
{
    if (TTF_Init() != 0) {
        throw std::runtime_error(std::string("cannot start font rendering: ") + TTF_GetError());
    }
}

SdlLettering::~SdlLettering() { TTF_Quit(); }

Grid<float> SdlLettering::render(const std::filesystem::path& font, int pixelSize, const std::string& text) const
{
    const SurfacePtr line = renderLine(font, pixelSize, text);
    return trimmed(coverageOf(*line));
}

Grid<float> SdlLettering::renderToFit(const std::filesystem::path& font, const std::string& text, int maxWidth,
                                      int maxHeight) const
{
    for (int size = kLargestSize; size > 1; --size) {
        Grid<float> ink = render(font, size, text);
        if (ink.width() <= maxWidth && ink.height() <= maxHeight) {
            return ink;
        }
    }
    throw std::runtime_error("text does not fit: " + text);
}

} // namespace art
