#pragma once
#include <string>
#include <vector>

#include "frame/TextLayout.h"
#include "frame/WinControl.h"

// Editable lines of text. A click gives it the focus; then the arrow keys
// move its caret and typing edits it.
class TMemo : public TWinControl {
public:
    explicit TMemo(std::string name);

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);
    void setAlignment(TAlignment alignment);
    void setWordWrap(bool wordWrap);
    struct Caret {
        std::size_t line = 0;
        std::size_t column = 0;  // byte offset, always at a character boundary
        bool operator==(const Caret&) const = default;
    };
    Caret caret() const { return caret_; }

    bool takesFocusOnClick() const override { return true; }
    void paint(Canvas& canvas) override;
    void keyDown(std::uint16_t key, TShiftState shift) override;
    void textInput(const std::string& text) override;

private:
    struct VisualLine {
        std::size_t line;
        std::size_t start;  // byte offset of the row within its line
        std::string text;
    };
    std::vector<VisualLine> layout() const;
    void moveCaret(Caret caret);
    void moveHorizontally(bool forward);
    void moveVertically(int lines);
    void erase(bool forward);
    void breakLine();

    std::vector<std::string> lines_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = true;
    Caret caret_;
};
