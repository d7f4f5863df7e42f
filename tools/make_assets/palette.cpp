#include "palette.h"

#include <algorithm>
#include <array>
#include <limits>

namespace dorvane::assets {

namespace {

int channel(std::uint32_t rgb, int c) {
    return static_cast<int>((rgb >> (16 - 8 * c)) & 0xff);
}

struct Weighted {
    std::uint32_t rgb;
    std::uint64_t count;
};

using Box = std::vector<Weighted>;

int widestChannel(const Box& box, int* spread) {
    int best = 0;
    *spread = -1;
    for (int c = 0; c < 3; ++c) {
        int lo = 255, hi = 0;
        for (const Weighted& w : box) {
            lo = std::min(lo, channel(w.rgb, c));
            hi = std::max(hi, channel(w.rgb, c));
        }
        if (hi - lo > *spread) {
            *spread = hi - lo;
            best = c;
        }
    }
    return best;
}

std::uint32_t meanOf(const Box& box) {
    std::array<std::uint64_t, 3> sum{};
    std::uint64_t total = 0;
    for (const Weighted& w : box) {
        for (int c = 0; c < 3; ++c)
            sum[static_cast<std::size_t>(c)] +=
                static_cast<std::uint64_t>(channel(w.rgb, c)) * w.count;
        total += w.count;
    }
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c)
        rgb = (rgb << 8) |
              static_cast<std::uint32_t>((sum[static_cast<std::size_t>(c)] + total / 2) / total);
    return rgb;
}

// Splits the box with the widest channel at its weighted median until there
// are as many boxes as entries.
std::vector<Box> medianCut(Box all, std::size_t wanted) {
    std::vector<Box> boxes{std::move(all)};
    while (boxes.size() < wanted) {
        std::size_t pick = boxes.size();
        int widest = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int spread = 0;
            widestChannel(boxes[i], &spread);
            if (boxes[i].size() > 1 && spread > widest) {
                widest = spread;
                pick = i;
            }
        }
        if (pick == boxes.size()) break;
        Box& box = boxes[pick];
        int spread = 0;
        const int c = widestChannel(box, &spread);
        std::sort(box.begin(), box.end(), [c](const Weighted& a, const Weighted& b) {
            return channel(a.rgb, c) != channel(b.rgb, c) ? channel(a.rgb, c) < channel(b.rgb, c)
                                                          : a.rgb < b.rgb;
        });
        std::uint64_t total = 0;
        for (const Weighted& w : box) total += w.count;
        std::uint64_t running = 0;
        std::size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            running += box[cut - 1].count;
            if (running * 2 >= total) break;
        }
        Box upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    return boxes;
}

int distance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int c = 0; c < 3; ++c) {
        const int delta = channel(a, c) - channel(b, c);
        d += delta * delta;
    }
    return d;
}

}  // namespace

Palette Palette::build(const std::vector<std::vector<std::uint32_t>>& frames,
                       std::uint32_t background) {
    std::map<std::uint32_t, std::uint64_t> counts;
    for (const auto& frame : frames)
        for (const std::uint32_t rgb : frame)
            if (rgb != background) ++counts[rgb];

    Palette palette;
    palette.colours_.push_back(background);
    if (counts.size() < Entries) {
        for (const auto& [rgb, count] : counts) palette.colours_.push_back(rgb);
    } else {
        Box all;
        for (const auto& [rgb, count] : counts) all.push_back({rgb, count});
        for (const Box& box : medianCut(std::move(all), Entries - 1)) {
            std::uint32_t mean = meanOf(box);
            if (mean == background) mean ^= 1;  // one step off, so it stays opaque
            palette.colours_.push_back(mean);
        }
    }
    // unused entries repeat the last colour rather than adding a new one
    while (palette.colours_.size() < Entries)
        palette.colours_.push_back(palette.colours_.back() == background ? background ^ 1
                                                                         : palette.colours_.back());

    palette.lookup_[background] = 0;
    for (const auto& [rgb, count] : counts) {
        int best = std::numeric_limits<int>::max();
        std::uint8_t bestIndex = 1;
        for (int i = 1; i < Entries; ++i) {
            const int d = distance(rgb, palette.colours_[static_cast<std::size_t>(i)]);
            if (d < best) {
                best = d;
                bestIndex = static_cast<std::uint8_t>(i);
            }
        }
        palette.lookup_[rgb] = bestIndex;
    }
    return palette;
}

std::uint8_t Palette::indexOf(std::uint32_t rgb) const {
    const auto found = lookup_.find(rgb);
    return found == lookup_.end() ? 0 : found->second;
}

}  // namespace dorvane::assets
