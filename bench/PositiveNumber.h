#pragma once
#include <optional>

// A command-line count: a whole number above zero and nothing after it.
std::optional<int> positiveNumber(const char* text);
