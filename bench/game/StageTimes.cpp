#include "bench/game/StageTimes.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr const char* kPrefix = "orbitrove: stage ";
constexpr const char* kAt = " at ";
}  // namespace

std::optional<std::pair<std::string, double>> stageOf(const std::string& line) {
    if (line.rfind(kPrefix, 0) != 0) return std::nullopt;
    auto at = line.rfind(kAt);
    if (at == std::string::npos || at < std::char_traits<char>::length(kPrefix)) return std::nullopt;
    const char* number = line.c_str() + at + std::char_traits<char>::length(kAt);
    char* end = nullptr;
    double ms = std::strtod(number, &end);
    if (end == number) return std::nullopt;
    std::size_t from = std::char_traits<char>::length(kPrefix);
    return std::pair{line.substr(from, at - from), ms};
}

void StageTimes::add(const std::vector<std::pair<std::string, double>>& stages, double execMs) {
    for (const auto& [name, ms] : stages) times_[name].push_back(ms - execMs);
}

std::vector<std::pair<std::string, double>> StageTimes::medians() const {
    std::vector<std::pair<std::string, double>> result;
    for (const auto& [name, times] : times_) result.emplace_back(name, median(times));
    std::sort(result.begin(), result.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
