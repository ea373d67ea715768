// Every caption of both screens, as the native typesetter measures and draws
// it: the browser's typesetter must give the same figures. Builds the
// program headless (from the folder that holds data/) and walks the screens'
// controls, so the list is whatever the layout tables say.
//
// One caption a line, tab-separated: face, height, bold (0/1), the font file
// fontconfig picked, width, line height, the drawing (see kMargin) as hex
// coverage bytes row by row, and the text last.
#include <filesystem>
#include <iostream>
#include <set>
#include <tuple>

#include "frame/Canvas.h"
#include "frame/ListBox.h"
#include "frame/Memo.h"
#include "frame/headless/BlankPictureReader.h"
#include "frame/headless/HeadlessPlatform.h"
#include "frame/sdl/FaceFile.h"
#include "frame/sdl/SdlTypesetter.h"
#include "media/HeaderReader.h"
#include "media/HeadlessMediaService.h"
#include "screens/Program.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"

namespace {

// Blank pixels around a drawing, so that ink drawn outside the measured box
// (a glyph above the ascent moves a native line down) is compared too.
constexpr int kMargin = 2;

struct Caption {
    TFont font;
    std::string text;
};

// The texts a control shows, in the font it shows them in.
void collect(const TControl& control, std::vector<Caption>& captions) {
    if (!control.caption().empty()) captions.push_back({control.font(), control.caption()});
    if (auto* memo = dynamic_cast<const TMemo*>(&control))
        for (const std::string& line : memo->lines()) captions.push_back({control.font(), line});
    if (auto* list = dynamic_cast<const TListBox*>(&control))
        for (const std::string& item : list->items()) captions.push_back({control.font(), item});
    if (auto* window = dynamic_cast<const TWinControl*>(&control)) {
        for (const TControl* child : window->graphicChildren()) collect(*child, captions);
        for (const TControl* child : window->windowedChildren()) collect(*child, captions);
    }
}

// A screen's captions; its own is the window's title, which the platform shows.
std::vector<Caption> screenCaptions(const TForm& form) {
    std::vector<Caption> captions;
    for (const TControl* child : form.graphicChildren()) collect(*child, captions);
    for (const TControl* child : form.windowedChildren()) collect(*child, captions);
    return captions;
}

std::string hex(const Canvas& canvas) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (Rgb pixel : canvas.pixels()) {
        unsigned coverage = (pixel >> 16) & 0xFF;  // white on black: any channel
        text += kDigits[coverage >> 4];
        text += kDigits[coverage & 15];
    }
    return text;
}

void print(SdlTypesetter& typesetter, const Caption& caption) {
    const TFont& font = caption.font;
    Size size = typesetter.measure(font, caption.text);
    Canvas canvas(size.width + 2 * kMargin, size.height + 2 * kMargin);
    canvas.fillRect({0, 0, canvas.width(), canvas.height()}, 0);
    typesetter.draw(canvas, font, caption.text, kMargin, kMargin, 0xFFFFFF);
    std::string file = std::filesystem::path(FaceFile::find(font.name, font.bold).path).filename();
    std::cout << font.name << '\t' << font.height << '\t' << font.bold << '\t' << file << '\t' << size.width << '\t'
              << size.height << '\t' << hex(canvas) << '\t' << caption.text << '\n';
}

}  // namespace

int main() {
    SdlTypesetter typesetter;
    BlankPictureReader pictures;
    HeadlessPlatform platform(typesetter, pictures);
    Program program(platform, "orbitrove",
                    [](Scheduler& loop) { return std::make_unique<HeadlessMediaService>(loop, kHeaderReader); });
    if (!program.start(std::cerr)) return 1;
    std::set<std::tuple<std::string, int, bool, std::string>> printed;
    for (const TForm* form : {static_cast<const TForm*>(Form1), static_cast<const TForm*>(Form2)})
        for (const Caption& caption : screenCaptions(*form)) {
            auto key = std::make_tuple(caption.font.name, caption.font.height, caption.font.bold, caption.text);
            if (printed.insert(key).second) print(typesetter, caption);
        }
    return 0;
}
