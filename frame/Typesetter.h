#pragma once
#include <cstddef>
#include <string>

#include "frame/Color.h"
#include "frame/Font.h"
#include "frame/Geometry.h"

class Canvas;

// A face alias file is a few lines; anything this large is not one.
constexpr std::size_t kLargestAliasFile = 1 << 20;

// Text in named faces, measured and drawn by the platform, which finds each
// face or an installed substitute of the same kind.
class Typesetter {
public:
    virtual ~Typesetter() = default;
    // Width of one line of text and the line height, in pixels.
    virtual Size measure(const TFont& font, const std::string& text) = 0;
    virtual int lineHeight(const TFont& font) = 0;
    // Draws one line with its top-left at (x, y) in the canvas's coordinates.
    virtual void draw(Canvas& canvas, const TFont& font, const std::string& text, int x, int y, Rgb color) = 0;
    // Reads the face aliases a program ships, so that each face its screens
    // name maps to an installed substitute.
    virtual void addFaceAliases(const std::string& path) = 0;
};
