#pragma once
#include <string>

#include "frame/Color.h"
#include "frame/Geometry.h"

class Canvas;

// A font as the layouts name it. `height` is the em height in pixels.
struct TFont {
    std::string name = "MS Sans Serif";
    int height = 11;
    bool bold = false;
    TColor color = clWindowText;

    bool operator==(const TFont&) const = default;

    // Width of one line of text and the line height, in pixels.
    Size measure(const std::string& text) const;
    int lineHeight() const;
    // Draws one line with its top-left at (x, y) in the canvas's coordinates.
    void draw(Canvas& canvas, const std::string& text, int x, int y, Rgb color) const;
};

// Loads the face aliases shipped with the game (data/fonts.conf) so that each
// face the screens name maps to an installed substitute of the same kind.
void loadFontAliases(const std::string& path);
