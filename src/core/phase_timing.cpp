#include "core/phase_timing.h"

#ifdef DORVANE_PHASE_TIMING

#include <array>
#include <cstdio>

namespace dorvane::timing {

namespace {

struct Spent {
    std::chrono::steady_clock::duration total{};
    int times = 0;
};

std::array<Spent, static_cast<std::size_t>(Phase::Count)> spent;
bool printed = false;

constexpr std::array<const char*, static_cast<std::size_t>(Phase::Count)> Names = {
    "skin file write",     "library write", "window + controls", "tray icon", "skin library load",
    "SkinH_AttachEx call", "show",          "visible pictures",
};

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

void Add(Phase phase, std::chrono::steady_clock::duration duration) {
    Spent& s = spent[static_cast<std::size_t>(phase)];
    s.total += duration;
    ++s.times;
}

void PrintOnce() {
    if (printed) return;
    printed = true;
    std::chrono::steady_clock::duration sum{};
    std::fprintf(stderr, "dorvane start-up phases (ms)\n");
    for (std::size_t i = 0; i < spent.size(); ++i) {
        std::fprintf(stderr, "  %-20s %8.3f  (%d)\n", Names[i], Milliseconds(spent[i].total),
                     spent[i].times);
        sum += spent[i].total;
    }
    std::fprintf(stderr, "  %-20s %8.3f\n", "total", Milliseconds(sum));
    std::fflush(stderr);
}

}  // namespace dorvane::timing

#endif
