#include "frame/web/CanvasFont.h"

#include <algorithm>

#include "frame/web/CanvasBridge.h"

namespace {

// Blank pixels around a glyph's ink box when it is drawn, for the
// antialiasing the box leaves out.
constexpr int kPad = 1;
constexpr char32_t kReplacement = 0xFFFD;

// The code points of UTF-8 text, a malformed sequence read as U+FFFD, as
// the native shaper reads it.
std::vector<char32_t> codePoints(const std::string& text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        int length = byte < 0x80 ? 1 : byte >> 5 == 6 ? 2 : byte >> 4 == 14 ? 3 : byte >> 3 == 30 ? 4 : 0;
        char32_t point = length == 1 ? byte : length == 0 ? 0 : byte & (0x7F >> length);
        bool whole = length > 0 && i + length <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            point = point << 6 | (next & 0x3F);
        }
        points.push_back(whole ? point : kReplacement);
        i += whole ? length : 1;
    }
    return points;
}

}  // namespace

CanvasFont::CanvasFont(int face, int pixels, bool syntheticBold)
    : CanvasFont(face, pixels, syntheticBold, [face] {
          int units[3] = {};
          orbitrove_face_units(face, units);
          return Units{units[0], units[1], units[2]};
      }()) {}

CanvasFont::CanvasFont(int face, int pixels, bool syntheticBold, Units units)
    : face_(face),
      pixels_(pixels),
      overhang_(syntheticBold ? pixels / 10 : 0),
      scale_(units.em, pixels),
      ascent_(scale_.ceilPixels(units.ascender)),
      lineHeight_(scale_.ceilPixels(units.ascender + units.descender)) {}

int CanvasFont::width(const std::string& text) {
    Layout line = layout(text);
    return line.maxX - line.minX;
}

CanvasFont::Layout CanvasFont::layout(const std::string& text) {
    Layout line;
    line.maxY = lineHeight_;
    std::vector<char32_t> points = codePoints(text);
    std::int64_t pen = 0;  // 1/64 pixel
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Glyph& ink = glyph(points[i]);
        int x = static_cast<int>(pen >> 6);
        line.glyphs.push_back({points[i], x});
        line.minX = std::min(line.minX, x + ink.left);
        line.maxX = std::max(line.maxX, x + ink.right + overhang_);
        line.minY = std::min(line.minY, ascent_ - ink.top);
        line.maxY = std::max(line.maxY, ascent_ + ink.bottom);
        pen += scale_.advance(ink.advanceUnits);
        if (i + 1 < points.size()) pen += scale_.kerning(kerningUnits(points[i], points[i + 1]));
    }
    line.maxX = std::max(line.maxX, static_cast<int>(pen >> 6));
    return line;
}

CanvasFont::Glyph& CanvasFont::glyph(char32_t codePoint) {
    auto [at, added] = glyphs_.try_emplace(codePoint);
    Glyph& glyph = at->second;
    if (added) {
        glyph.advanceUnits = orbitrove_text_units(face_, static_cast<int>(codePoint), 0);
        int box[4] = {};
        orbitrove_glyph_box(face_, pixels_, static_cast<int>(codePoint), box);
        glyph.left = box[0];
        glyph.top = box[1];
        glyph.right = std::max(box[2], box[0]);
        glyph.bottom = std::max(box[3], -box[1]);
    }
    return glyph;
}

// What the canvas adds to the two advances when the pair is shaped together.
int CanvasFont::kerningUnits(char32_t first, char32_t second) {
    auto [at, added] = kerning_.try_emplace({first, second});
    if (added)
        at->second = orbitrove_text_units(face_, static_cast<int>(first), static_cast<int>(second)) -
                     glyph(first).advanceUnits - glyph(second).advanceUnits;
    return at->second;
}

CanvasFont::Line CanvasFont::draw(const std::string& text) {
    Layout layout = this->layout(text);
    Line line{layout.maxX - layout.minX, layout.maxY - layout.minY, {}};
    line.coverage.assign(static_cast<std::size_t>(line.width) * line.height, 0);
    for (const Placed& placed : layout.glyphs) {
        const Glyph& glyph = drawnGlyph(placed.codePoint);
        int left = placed.x + glyph.left - kPad - layout.minX;
        int top = ascent_ - glyph.top - kPad - layout.minY;
        for (int row = std::max(0, -top); row < glyph.imageRows && top + row < line.height; ++row)
            for (int col = std::max(0, -left); col < glyph.imageWidth && left + col < line.width; ++col)
                // Overlapping glyphs are joined as the native engine joins them.
                line.coverage[static_cast<std::size_t>(top + row) * line.width + left + col] |=
                    glyph.image[static_cast<std::size_t>(row) * glyph.imageWidth + col];
    }
    return line;
}

const CanvasFont::Glyph& CanvasFont::drawnGlyph(char32_t codePoint) {
    Glyph& glyph = this->glyph(codePoint);
    if (glyph.drawn) return glyph;
    int inkWidth = glyph.right - glyph.left + 2 * kPad;
    glyph.imageRows = glyph.top + glyph.bottom + 2 * kPad;
    glyph.imageWidth = inkWidth + overhang_;
    glyph.image.assign(static_cast<std::size_t>(glyph.imageWidth) * glyph.imageRows, 0);
    std::vector<unsigned char> ink(static_cast<std::size_t>(inkWidth) * glyph.imageRows);
    orbitrove_glyph_coverage(face_, pixels_, static_cast<int>(codePoint), glyph.left - kPad, glyph.top + kPad, inkWidth,
                             glyph.imageRows, ink.data());
    for (int row = 0; row < glyph.imageRows; ++row)
        std::copy_n(ink.begin() + row * inkWidth, inkWidth, glyph.image.begin() + row * glyph.imageWidth);
    smear(glyph);
    glyph.drawn = true;
    return glyph;
}

// The native synthetic bold: each pixel adds its left neighbour's coverage,
// once for each pixel of overhang.
void CanvasFont::smear(Glyph& glyph) const {
    for (int row = 0; row < glyph.imageRows; ++row) {
        unsigned char* pixels = glyph.image.data() + static_cast<std::size_t>(row) * glyph.imageWidth;
        for (int pass = 0; pass < overhang_; ++pass)
            for (int col = glyph.imageWidth - 1; col > 0; --col)
                pixels[col] = static_cast<unsigned char>(std::min(255, pixels[col] + pixels[col - 1]));
    }
}
