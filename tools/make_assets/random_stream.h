// A small seeded random stream (SplitMix64). The standard distributions may
// differ between library versions; this one gives the same numbers anywhere,
// so the pictures come out the same on every run.
#pragma once

#include <cstdint>

namespace dorvane::assets {

class RandomStream {
  public:
    explicit RandomStream(std::uint64_t seed);

    std::uint64_t next();
    // uniform in [lo, hi)
    double uniform(double lo, double hi);
    // uniform in [0, n)
    int below(int n);

  private:
    std::uint64_t state_;
};

}  // namespace dorvane::assets
