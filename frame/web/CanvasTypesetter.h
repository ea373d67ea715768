#pragma once
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "frame/Typesetter.h"
#include "frame/web/CanvasFont.h"
#include "frame/web/FaceAliases.h"
#include "frame/web/WebFaces.h"

// Text in the browser: measured with the canvas and drawn a glyph at a time
// into an offscreen one, whose coverage is blended into the frame's canvas.
// The faces are the native build's font files, loaded as web fonts before
// the program starts (web_fonts.js), chosen through the program's face
// aliases as fontconfig chooses them; lines are laid out to the native
// typesetter's pixel (CanvasFont). A font's height is its size in pixels.
class CanvasTypesetter : public Typesetter {
public:
    CanvasTypesetter();

    Size measure(const TFont& font, const std::string& text) override;
    int lineHeight(const TFont& font) override;
    void draw(Canvas& canvas, const TFont& font, const std::string& text, int x, int y, Rgb color) override;
    void addFaceAliases(const std::string& path) override;

    // The font file a face is drawn from.
    std::string faceFile(const TFont& font) const;

private:
    // Opened on first use, kept while the typesetter lives.
    CanvasFont& open(const TFont& font);
    const WebFaces::Face& face(const TFont& font) const;

    WebFaces faces_;
    FaceAliases aliases_;
    std::map<std::tuple<std::string, int, bool>, std::unique_ptr<CanvasFont>> fonts_;
};
