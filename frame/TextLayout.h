#pragma once
#include <string>
#include <vector>

#include "frame/Typesetter.h"

// Breaks text into lines no wider than `width` at spaces; a word wider than
// the width stands on a line of its own. Line breaks in the text are kept.
std::vector<std::string> wrapText(Typesetter& typesetter, const TFont& font, const std::string& text, int width);
// Splits at line breaks only.
std::vector<std::string> splitLines(const std::string& text);

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// The x of a line of `lineWidth` pixels aligned within `width`.
int alignedX(TAlignment alignment, int lineWidth, int width);
