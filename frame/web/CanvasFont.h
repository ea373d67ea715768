#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "frame/web/GlyphScale.h"

// One web font at one pixel size, laid out as the native text engine lays a
// line out (SDL_ttf's sizing over HarfBuzz): each glyph's advance and its
// kerning with the next are rounded to 1/64 pixel and summed; each glyph is
// drawn at the whole pixel left of its position; the line reaches from the
// leftmost ink, or its origin, to the rightmost ink or the pen's end. The
// canvas gives each glyph's units, ink box and coverage, once.
class CanvasFont {
public:
    // `face` indexes the loaded web fonts. Synthetic bold smears each glyph
    // a tenth of the size to the right, widening its ink, not its advance.
    CanvasFont(int face, int pixels, bool syntheticBold);

    int lineHeight() const { return lineHeight_; }
    int width(const std::string& text);

    // A drawn line: coverage a byte a pixel, its top-left where the text's
    // top-left goes (a glyph above the ascent moves the line down, as natively).
    struct Line {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> coverage;
    };
    Line draw(const std::string& text);

private:
    // The em, ascender and descender (down, positive) in font units.
    struct Units {
        int em, ascender, descender;
    };
    CanvasFont(int face, int pixels, bool syntheticBold, Units units);

    struct Glyph {
        int advanceUnits = 0;
        int left = 0, top = 0, right = 0, bottom = 0;  // ink box, from the origin on the baseline
        bool drawn = false;
        int imageWidth = 0, imageRows = 0;
        std::vector<unsigned char> image;  // from (left - kPad, top + kPad), smeared when bold
    };
    struct Placed {
        char32_t codePoint;
        int x;  // whole pixels
    };
    struct Layout {
        std::vector<Placed> glyphs;
        int minX = 0, maxX = 0, minY = 0, maxY = 0;
    };

    Layout layout(const std::string& text);
    Glyph& glyph(char32_t codePoint);
    int kerningUnits(char32_t first, char32_t second);
    const Glyph& drawnGlyph(char32_t codePoint);
    void smear(Glyph& glyph) const;

    int face_;
    int pixels_;
    int overhang_;
    GlyphScale scale_;
    int ascent_;
    int lineHeight_;
    std::map<char32_t, Glyph> glyphs_;
    std::map<std::pair<char32_t, char32_t>, int> kerning_;
};
