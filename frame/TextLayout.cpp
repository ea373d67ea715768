#include "frame/TextLayout.h"

namespace {

void wrapParagraph(Typesetter& typesetter, const TFont& font, const std::string& paragraph, int width,
                   std::vector<std::string>& lines) {
    std::string line;
    std::size_t pos = 0;
    while (pos <= paragraph.size()) {
        std::size_t space = paragraph.find(' ', pos);
        if (space == std::string::npos) space = paragraph.size();
        std::string word = paragraph.substr(pos, space - pos);
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && typesetter.measure(font, candidate).width > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        pos = space + 1;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::vector<std::string> wrapText(Typesetter& typesetter, const TFont& font, const std::string& text, int width) {
    std::vector<std::string> lines;
    for (const std::string& paragraph : splitLines(text)) wrapParagraph(typesetter, font, paragraph, width, lines);
    return lines;
}

int alignedX(TAlignment alignment, int lineWidth, int width) {
    switch (alignment) {
    case TAlignment::taRightJustify: return width - lineWidth;
    case TAlignment::taCenter: return (width - lineWidth) / 2;
    default: return 0;
    }
}
