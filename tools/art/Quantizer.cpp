#include "Quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace art {

namespace {

struct Entry {
    Rgb color;
    int count = 0;
};

using Bucket = std::vector<Entry>;

int channel(Rgb c, int which) {
    const std::array<int, 3> channels{c.r, c.g, c.b};
    return channels[static_cast<std::size_t>(which)];
}

int spread(const Bucket& bucket, int which) {
    const auto [low, high] = std::minmax_element(bucket.begin(), bucket.end(), [which](const Entry& a, const Entry& b) {
        return channel(a.color, which) < channel(b.color, which);
    });
    return channel(high->color, which) - channel(low->color, which);
}

int widestChannel(const Bucket& bucket) {
    int widest = 0;
    for (int which = 1; which < 3; ++which) {
        if (spread(bucket, which) > spread(bucket, widest)) {
            widest = which;
        }
    }
    return widest;
}

int pixelCount(const Bucket& bucket) {
    int total = 0;
    for (const Entry& entry : bucket) {
        total += entry.count;
    }
    return total;
}

// Wide buckets with many pixels lose the most by sharing one colour.
float splitPriority(const Bucket& bucket) {
    if (bucket.size() < 2) {
        return -1.0f;
    }
    return static_cast<float>(spread(bucket, widestChannel(bucket))) *
           std::sqrt(static_cast<float>(pixelCount(bucket)));
}

std::pair<Bucket, Bucket> split(Bucket bucket) {
    const int which = widestChannel(bucket);
    std::sort(bucket.begin(), bucket.end(), [which](const Entry& a, const Entry& b) {
        return channel(a.color, which) != channel(b.color, which) ? channel(a.color, which) < channel(b.color, which)
                                                                  : a.color < b.color;
    });
    const int half = pixelCount(bucket) / 2;
    std::size_t cut = 1;
    for (int seen = bucket.front().count; cut + 1 < bucket.size() && seen < half; ++cut) {
        seen += bucket[cut].count;
    }
    return {Bucket(bucket.begin(), bucket.begin() + static_cast<std::ptrdiff_t>(cut)),
            Bucket(bucket.begin() + static_cast<std::ptrdiff_t>(cut), bucket.end())};
}

Rgb average(const Bucket& bucket) {
    std::array<double, 3> sum{};
    for (const Entry& entry : bucket) {
        for (int which = 0; which < 3; ++which) {
            sum[static_cast<std::size_t>(which)] += channel(entry.color, which) * static_cast<double>(entry.count);
        }
    }
    const double total = pixelCount(bucket);
    auto mean = [&](int which) {
        return static_cast<std::uint8_t>(std::lround(sum[static_cast<std::size_t>(which)] / total));
    };
    return {mean(0), mean(1), mean(2)};
}

Bucket histogram(const RgbImage& image, const std::vector<Rgb>& pinned) {
    std::map<Rgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.at(x, y)];
        }
    }
    Bucket entries;
    for (const auto& [color, count] : counts) {
        if (std::find(pinned.begin(), pinned.end(), color) == pinned.end()) {
            entries.push_back({color, count});
        }
    }
    return entries;
}

std::vector<Bucket> medianCut(Bucket all, std::size_t buckets) {
    std::vector<Bucket> result{std::move(all)};
    while (result.size() < buckets) {
        const auto widest = std::max_element(result.begin(), result.end(), [](const Bucket& a, const Bucket& b) {
            return splitPriority(a) < splitPriority(b);
        });
        if (splitPriority(*widest) < 0.0f) {
            break;
        }
        auto [low, high] = split(std::move(*widest));
        *widest = std::move(low);
        result.push_back(std::move(high));
    }
    return result;
}

int distanceSquared(Rgb a, Rgb b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

std::uint8_t nearest(const std::vector<Rgb>& palette, Rgb color) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette.size(); ++i) {
        if (distanceSquared(palette[i], color) < distanceSquared(palette[best], color)) {
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

IndexedImage quantize(const RgbImage& image, std::size_t paletteSize, const std::vector<Rgb>& pinned) {
    Bucket colors = histogram(image, pinned);
    std::vector<Rgb> palette = pinned;
    if (!colors.empty()) {
        for (const Bucket& bucket : medianCut(std::move(colors), paletteSize - pinned.size())) {
            palette.push_back(average(bucket));
        }
    }
    IndexedImage result{Grid<std::uint8_t>(image.width(), image.height()), palette};
    std::map<Rgb, std::uint8_t> chosen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb color = image.at(x, y);
            const auto found = chosen.try_emplace(color, 0);
            if (found.second) {
                found.first->second = nearest(palette, color);
            }
            result.indices.at(x, y) = found.first->second;
        }
    }
    return result;
}

}  // namespace art
