// The canvas typesetter in the browser, for the text test (text_test.mjs):
// main reads the face aliases as the program does, then the page asks for
// captions through probeCaption and for alias files through probeAliases.
#include <emscripten/emscripten.h>

#include <string>

#include "frame/Canvas.h"
#include "frame/Exception.h"
#include "frame/web/CanvasTypesetter.h"

namespace {

// Blank pixels around a drawing, as the native figures have them.
constexpr int kMargin = 2;

CanvasTypesetter& typesetter() {
    static CanvasTypesetter typesetter;
    return typesetter;
}

std::string hex(const Canvas& canvas) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (Rgb pixel : canvas.pixels()) {
        unsigned coverage = (pixel >> 16) & 0xFF;
        text += kDigits[coverage >> 4];
        text += kDigits[coverage & 15];
    }
    return text;
}

std::string caption(const TFont& font, const std::string& text) {
    Size size = typesetter().measure(font, text);
    Canvas canvas(size.width + 2 * kMargin, size.height + 2 * kMargin);
    canvas.fillRect({0, 0, canvas.width(), canvas.height()}, 0);
    typesetter().draw(canvas, font, text, kMargin, kMargin, 0xFFFFFF);
    return typesetter().faceFile(font) + '\t' + std::to_string(size.width) + '\t' + std::to_string(size.height) + '\t' +
           hex(canvas);
}

}  // namespace

extern "C" {

// "file\twidth\tline height\tdrawing" as the native figures give them, or
// "error\tmessage".
EMSCRIPTEN_KEEPALIVE const char* probeCaption(const char* face, int height, int bold, const char* text) {
    static std::string answer;
    try {
        answer = caption({face, height, bold != 0, clWhite}, text);
    } catch (const Exception& error) {
        answer = "error\t" + error.className() + ": " + error.what();
    }
    return answer.c_str();
}

// What reading an alias file raises: empty when nothing.
EMSCRIPTEN_KEEPALIVE const char* probeAliases(const char* path) {
    static std::string answer;
    try {
        answer.clear();
        typesetter().addFaceAliases(path);
    } catch (const Exception& error) {
        answer = error.className() + ": " + error.what();
    }
    return answer.c_str();
}
}

int main() {
    typesetter().addFaceAliases("data/fonts.conf");
    return 0;
}
