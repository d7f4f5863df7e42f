#include "core/phase_timing.h"

#ifdef DORVANE_PHASE_TIMING

#include <array>
#include <chrono>
#include <cstdio>

namespace dorvane::timing {

namespace {

struct Spent {
    std::int64_t total = 0;
    int times = 0;
};

std::array<Spent, static_cast<std::size_t>(Phase::Count)> spent;
bool printed = false;

constexpr std::array<const char*, static_cast<std::size_t>(Phase::Count)> Names = {
    "skin file write",     "library write", "window + controls", "tray icon", "skin library load",
    "SkinH_AttachEx call", "show",          "visible pictures",  "web views",
};

double Milliseconds(std::int64_t nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

}  // namespace

std::int64_t Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void Add(Phase phase, std::int64_t nanoseconds) {
    Spent& s = spent[static_cast<std::size_t>(phase)];
    s.total += nanoseconds;
    ++s.times;
}

// Our own work is every phase but the show and the web views, which a bare
// window with one web view does as well; the web views are taken out of the
// window's phase they were made in.
void PrintOnce() {
    if (printed) return;
    printed = true;
    const auto at = [](Phase phase) -> Spent& { return spent[static_cast<std::size_t>(phase)]; };
    at(Phase::WindowAndControls).total -= at(Phase::WebViews).total;
    std::int64_t own = 0;
    std::fprintf(stderr, "dorvane start-up phases (ms)\n");
    for (std::size_t i = 0; i < spent.size(); ++i) {
        const auto phase = static_cast<Phase>(i);
        const bool shared = phase == Phase::Show || phase == Phase::WebViews;
        std::fprintf(stderr, "  %-20s %8.3f  (%d)%s\n", Names[i], Milliseconds(spent[i].total),
                     spent[i].times, shared ? "  shared with a bare web view" : "");
        if (!shared) own += spent[i].total;
    }
    std::fprintf(stderr, "  %-20s %8.3f\n", "own total", Milliseconds(own));
    std::fflush(stderr);
}

}  // namespace dorvane::timing

#endif
