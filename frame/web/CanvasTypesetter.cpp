#include "frame/web/CanvasTypesetter.h"

#include <cstdlib>

#include "frame/Canvas.h"
#include "frame/Exception.h"
#include "frame/FileAccess.h"
#include "frame/web/CanvasBridge.h"

namespace {

// What the bridge hands over as a C string, freed once read.
std::string taken(char* text) {
    std::string copy = text ? text : "";
    std::free(text);
    return copy;
}

}  // namespace

CanvasTypesetter::CanvasTypesetter() : faces_(taken(orbitrove_web_faces())) {}

const WebFaces::Face& CanvasTypesetter::face(const TFont& font) const {
    const WebFaces::Face* face = faces_.choose(aliases_.families(font.name), font.bold);
    if (!face) throw Exception("EFontError", "Cannot open font \"" + font.name + "\"");
    return *face;
}

std::string CanvasTypesetter::faceFile(const TFont& font) const { return face(font).file; }

CanvasFont& CanvasTypesetter::open(const TFont& font) {
    auto key = std::make_tuple(font.name, font.height, font.bold);
    if (auto it = fonts_.find(key); it != fonts_.end()) return *it->second;
    const WebFaces::Face& chosen = face(font);
    bool syntheticBold = font.bold && chosen.weight < WebFaces::kDemiBold;
    return *fonts_.emplace(key, std::make_unique<CanvasFont>(chosen.index, font.height, syntheticBold)).first->second;
}

Size CanvasTypesetter::measure(const TFont& font, const std::string& text) {
    CanvasFont& opened = open(font);
    return {text.empty() ? 0 : opened.width(text), opened.lineHeight()};
}

int CanvasTypesetter::lineHeight(const TFont& font) { return open(font).lineHeight(); }

void CanvasTypesetter::draw(Canvas& canvas, const TFont& font, const std::string& text, int x, int y, Rgb color) {
    if (text.empty()) return;
    CanvasFont::Line line = open(font).draw(text);
    for (int row = 0; row < line.height; ++row)
        for (int col = 0; col < line.width; ++col)
            canvas.blendPixel(x + col, y + row, color, line.coverage[static_cast<std::size_t>(row) * line.width + col]);
}

// As natively: a file that is not there leaves the faces unaliased; one that
// is not well-formed is an error.
void CanvasTypesetter::addFaceAliases(const std::string& path) {
    std::string text;
    FileFault fault = FileFault::None;
    if (!readSmallFile(path, kLargestAliasFile, text, fault)) return;
    char* rules = text.size() <= kLargestAliasFile ? orbitrove_parse_face_aliases(text.c_str()) : nullptr;
    if (!rules) throw Exception("EParserError", fileErrorText("The font aliases are damaged", path));
    aliases_.add(taken(rules));
}
