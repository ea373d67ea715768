#include "frame/Memo.h"

#include <algorithm>

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t previousBoundary(const std::string& s, std::size_t pos) {
    while (pos > 0 && continuationByte(s[--pos])) {}
    return pos;
}

std::size_t nextBoundary(const std::string& s, std::size_t pos) {
    while (pos < s.size() && continuationByte(s[++pos])) {}
    return std::min(pos, s.size());
}

}  // namespace

TMemo::TMemo(std::string name) : TWinControl(std::move(name)) {
    setTabStop(true);
    setColor(clWindow);
}

void TMemo::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    caret_ = {};
    invalidate();
}

void TMemo::setAlignment(TAlignment alignment) {
    alignment_ = alignment;
    invalidate();
}

void TMemo::setWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    invalidate();
}

std::vector<TMemo::VisualLine> TMemo::layout() const {
    std::vector<VisualLine> rows;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::vector<std::string> parts =
            wordWrap_ ? wrapText(typesetter(), font(), lines_[i], width()) : std::vector{lines_[i]};
        std::size_t start = 0;
        for (const std::string& part : parts) {
            start = lines_[i].find(part, start);
            rows.push_back({i, start == std::string::npos ? 0 : start, part});
            start = start == std::string::npos ? 0 : start + part.size();
        }
    }
    return rows;
}

void TMemo::paint(Canvas& canvas) {
    if (color() != clNone) canvas.fillRect(clientRect(), colorToRgb(color()));
    int rowHeight = lineHeight();
    std::vector<VisualLine> rows = layout();
    Rgb ink = colorToRgb(font().color);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const VisualLine& row = rows[r];
        int x = alignedX(alignment_, textSize(row.text).width, width());
        int y = static_cast<int>(r) * rowHeight;
        drawText(canvas, row.text, x, y, ink);
        bool caretHere = focused() && row.line == caret_.line && caret_.column >= row.start &&
                         caret_.column <= row.start + row.text.size() &&
                         (r + 1 == rows.size() || rows[r + 1].line != row.line || caret_.column < rows[r + 1].start);
        if (caretHere)
            canvas.vLine(x + textSize(row.text.substr(0, caret_.column - row.start)).width, y, rowHeight, ink);
    }
}

void TMemo::moveCaret(Caret caret) {
    if (caret == caret_) return;
    caret_ = caret;
    invalidate();
}

void TMemo::moveHorizontally(bool forward) {
    if (lines_.empty()) return;
    const std::string& line = lines_[caret_.line];
    if (forward && caret_.column < line.size()) moveCaret({caret_.line, nextBoundary(line, caret_.column)});
    else if (forward && caret_.line + 1 < lines_.size()) moveCaret({caret_.line + 1, 0});
    else if (!forward && caret_.column > 0) moveCaret({caret_.line, previousBoundary(line, caret_.column)});
    else if (!forward && caret_.line > 0) moveCaret({caret_.line - 1, lines_[caret_.line - 1].size()});
}

void TMemo::moveVertically(int lines) {
    if (lines_.empty()) return;
    long target = std::clamp<long>(static_cast<long>(caret_.line) + lines, 0, static_cast<long>(lines_.size()) - 1);
    const std::string& line = lines_[static_cast<std::size_t>(target)];
    std::size_t column = std::min(caret_.column, line.size());
    while (column > 0 && column < line.size() && continuationByte(line[column])) --column;
    moveCaret({static_cast<std::size_t>(target), column});
}

void TMemo::erase(bool forward) {
    if (lines_.empty()) return;
    std::string& line = lines_[caret_.line];
    if (forward && caret_.column < line.size()) {
        line.erase(caret_.column, nextBoundary(line, caret_.column) - caret_.column);
    } else if (forward && caret_.line + 1 < lines_.size()) {
        line += lines_[caret_.line + 1];
        lines_.erase(lines_.begin() + static_cast<long>(caret_.line) + 1);
    } else if (!forward && (caret_.column > 0 || caret_.line > 0)) {
        moveHorizontally(false);
        erase(true);
        return;
    }
    invalidate();
}

void TMemo::breakLine() {
    if (lines_.empty()) lines_.emplace_back();
    std::string& line = lines_[caret_.line];
    std::string rest = line.substr(caret_.column);
    line.erase(caret_.column);
    lines_.insert(lines_.begin() + static_cast<long>(caret_.line) + 1, rest);
    moveCaret({caret_.line + 1, 0});
    invalidate();
}

void TMemo::keyDown(std::uint16_t key, TShiftState) {
    switch (key) {
    case vk::Left: moveHorizontally(false); break;
    case vk::Right: moveHorizontally(true); break;
    case vk::Up: moveVertically(-1); break;
    case vk::Down: moveVertically(1); break;
    case vk::Home: moveCaret({caret_.line, 0}); break;
    case vk::End: moveCaret({caret_.line, lines_.empty() ? 0 : lines_[caret_.line].size()}); break;
    case vk::Back: erase(false); break;
    case vk::Delete: erase(true); break;
    case vk::Return: breakLine(); break;
    default: break;
    }
}

void TMemo::textInput(const std::string& text) {
    if (lines_.empty()) lines_.emplace_back();
    lines_[caret_.line].insert(caret_.column, text);
    caret_.column += text.size();
    invalidate();
}
