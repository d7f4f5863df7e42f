#include "random_stream.h"

namespace dorvane::assets {

RandomStream::RandomStream(std::uint64_t seed) : state_(seed) {}

std::uint64_t RandomStream::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double RandomStream::uniform(double lo, double hi) {
    // 53 random bits make an exact double in [0, 1).
    const double unit = static_cast<double>(next() >> 11) * 0x1.0p-53;
    return lo + (hi - lo) * unit;
}

int RandomStream::below(int n) {
    return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n));
}

}  // namespace dorvane::assets
