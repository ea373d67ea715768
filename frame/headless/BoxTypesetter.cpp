#include "frame/headless/BoxTypesetter.h"

#include "frame/Canvas.h"

namespace {

// Characters, not bytes: continuation bytes of UTF-8 do not count.
int characters(const std::string& text) {
    int count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    return count;
}

}  // namespace

Size BoxTypesetter::measure(const TFont& font, const std::string& text) {
    return {characters(text) * advance(font), lineHeight(font)};
}

int BoxTypesetter::lineHeight(const TFont& font) { return font.height * 5 / 4; }

// A box a character, a pixel narrower than its advance, from the line's
// top quarter down to the font's height.
void BoxTypesetter::draw(Canvas& canvas, const TFont& font, const std::string& text, int x, int y, Rgb color) {
    int top = y + lineHeight(font) - font.height;
    for (int i = 0; i < characters(text); ++i)
        canvas.fillRect({x + i * advance(font), top, advance(font) - 1, font.height}, color);
}
