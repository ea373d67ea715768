#pragma once
#include <cstdint>

// The native text engine's fixed-point arithmetic for one face at one pixel
// size (SDL_ttf over FreeType and HarfBuzz), from the face's font units: the
// canvas measures the units, this class rounds them as the native engine
// does, so that widths and line heights come out the same to the pixel.
// Positions are in 1/64 pixel.
class GlyphScale {
public:
    GlyphScale(int unitsPerEm, int pixels);

    // A glyph's advance: its units scaled to 16.16 as FreeType scales
    // unhinted advances, then rounded to 1/64 pixel by HarfBuzz, a glyph at
    // a time.
    std::int64_t advance(int units) const;
    // A kerning, as HarfBuzz scales its positioning tables (rounded down).
    std::int64_t kerning(int units) const;
    // Units in whole pixels rounded up, as the ascent and the line height.
    int ceilPixels(int units) const;

private:
    std::int64_t scale_;       // FreeType's: 16.16 of 1/64 pixels a unit
    std::int64_t multiplier_;  // HarfBuzz's: 16.16 of 1/64 pixels a unit
};
