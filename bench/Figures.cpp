#include "bench/Figures.h"

#include <algorithm>
#include <cmath>

namespace {

double rankMs(const std::vector<std::int64_t>& sorted, double share) {
    auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return static_cast<double>(sorted[std::max<std::size_t>(rank, 1) - 1]) / 1e6;
}

}  // namespace

Spread spreadOf(std::vector<std::int64_t> ns) {
    if (ns.empty()) return {};
    std::sort(ns.begin(), ns.end());
    return {rankMs(ns, 0.5), rankMs(ns, 0.99), rankMs(ns, 1.0)};
}
