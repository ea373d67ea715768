#pragma once
#include "frame/Typesetter.h"

// Text as boxes, one a character, with no font files: the headless back
// end's own typesetter, so that tests of layout and routing need no fonts.
// Every character advances 3/5 of the font's height; lines are 5/4 of it.
class BoxTypesetter : public Typesetter {
public:
    Size measure(const TFont& font, const std::string& text) override;
    int lineHeight(const TFont& font) override;
    void draw(Canvas& canvas, const TFont& font, const std::string& text, int x, int y, Rgb color) override;
    void addFaceAliases(const std::string&) override {}

    static int advance(const TFont& font) { return font.height * 3 / 5; }
};
