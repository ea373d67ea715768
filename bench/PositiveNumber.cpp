#include "bench/PositiveNumber.h"

#include <charconv>
#include <cstring>

std::optional<int> positiveNumber(const char* text) {
    int value = 0;
    auto [end, error] = std::from_chars(text, text + std::strlen(text), value);
    if (error != std::errc() || *end != '\0' || value <= 0) return std::nullopt;
    return value;
}
