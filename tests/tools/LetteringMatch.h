#pragma once
// Compares a regenerated picture with the committed one: exactly, except
// where lettering is drawn. What the font rasteriser makes of a face changes
// with the installed fonts and FreeType: edge pixels change shade, and
// letters move by a pixel or two as their advances round differently. The lettering must still be there, in its
// place and colours.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frame/Bitmap.h"

namespace lettering {

struct Area {
    int left, top, width, height;
    bool contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
    int size() const { return width * height; }
};

struct Tolerance {
    std::vector<Area> text;  // where letters are drawn
    int elsewhere = 0;       // per-channel slack outside them
};

constexpr int kShadeSlack = 48;  // per channel
constexpr int kReach = 2;        // pixels a letter may move
constexpr int kOddOnesIn = 20;   // at most one text pixel in this many may match nothing near it

inline int channelDistance(Rgb a, Rgb b) {
    int worst = 0;
    for (int shift : {0, 8, 16})
        worst = std::max(worst, std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)));
    return worst;
}

// Whether a pixel of `of` has a colour close to its own in `in`, at its place or within reach.
inline bool matchedNearby(const Bitmap& of, const Bitmap& in, int x, int y) {
    for (int ny = std::max(0, y - kReach); ny <= std::min(in.height - 1, y + kReach); ++ny)
        for (int nx = std::max(0, x - kReach); nx <= std::min(in.width - 1, x + kReach); ++nx)
            if (channelDistance(of.at(x, y), in.at(nx, ny)) <= kShadeSlack) return true;
    return false;
}

// Both ways: a letter gone from one picture leaves its pixels unmatched in the other.
inline int unmatchedIn(const Bitmap& a, const Bitmap& b, const Area& area) {
    int count = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            count += matchedNearby(a, b, x, y) && matchedNearby(b, a, x, y) ? 0 : 1;
    return count;
}

inline bool inText(const Tolerance& tolerance, int x, int y) {
    return std::any_of(tolerance.text.begin(), tolerance.text.end(), [&](const Area& a) { return a.contains(x, y); });
}

inline std::string describe(int x, int y, Rgb got, Rgb committed) {
    char text[96];
    std::snprintf(text, sizeof text, "pixel %d,%d outside the text is #%06X, committed #%06X", x, y, got, committed);
    return text;
}

inline std::string mismatchOutsideText(const Bitmap& got, const Bitmap& committed, const Tolerance& tolerance) {
    for (int y = 0; y < got.height; ++y)
        for (int x = 0; x < got.width; ++x)
            if (!inText(tolerance, x, y) && channelDistance(got.at(x, y), committed.at(x, y)) > tolerance.elsewhere)
                return describe(x, y, got.at(x, y), committed.at(x, y));
    return "";
}

// Empty when the pictures match within the tolerance; otherwise the first difference found.
inline std::string mismatch(const Bitmap& got, const Bitmap& committed, const Tolerance& tolerance) {
    if (got.width != committed.width || got.height != committed.height) return "the sizes differ";
    std::string outside = mismatchOutsideText(got, committed, tolerance);
    if (!outside.empty()) return outside;
    for (const Area& area : tolerance.text) {
        int unmatched = unmatchedIn(got, committed, area);
        if (unmatched * kOddOnesIn > area.size())
            return std::to_string(unmatched) + " of the " + std::to_string(area.size()) + " pixels of the text at " +
                   std::to_string(area.left) + "," + std::to_string(area.top) + " match nothing near them";
    }
    return "";
}

}  // namespace lettering
