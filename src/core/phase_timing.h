// The start's own work, phase by phase, for the instrumented build
// (DORVANE_PHASE_TIMING): each timed scope adds its duration, from the
// monotonic clock, to its phase; the table goes to stderr once, when the
// window has first been painted. In any other build the macros are empty and
// nothing of this is compiled in. The clock is read in phase_timing.cpp,
// which is built apart from the plain logic's GBK texts (<chrono> carries a
// literal that GBK cannot hold).
#pragma once

#ifdef DORVANE_PHASE_TIMING

#include <cstdint>

namespace dorvane::timing {

enum class Phase {
    SkinFileWrite,
    LibraryWrite,
    WindowAndControls,
    TrayIcon,
    SkinLibraryLoad,
    SkinAttachCall,
    Show,
    Pictures,
    // made while the window and its controls are: the web views' own start,
    // which a bare web view pays as well; not part of our own work
    WebViews,
    Count
};

// the monotonic clock, in nanoseconds
std::int64_t Now();
void Add(Phase phase, std::int64_t nanoseconds);
// the table of every phase and their sum; only the first call prints
void PrintOnce();

class ScopedPhase {
  public:
    explicit ScopedPhase(Phase phase) : phase_(phase), start_(Now()) {}
    ~ScopedPhase() { Add(phase_, Now() - start_); }
    ScopedPhase(const ScopedPhase&) = delete;
    ScopedPhase& operator=(const ScopedPhase&) = delete;

  private:
    Phase phase_;
    std::int64_t start_;
};

}  // namespace dorvane::timing

#define DORVANE_TIMING_JOIN2(a, b) a##b
#define DORVANE_TIMING_JOIN(a, b) DORVANE_TIMING_JOIN2(a, b)
// times the rest of the enclosing scope as `phase`
#define DORVANE_TIME_PHASE(phase)                                                    \
    const ::dorvane::timing::ScopedPhase DORVANE_TIMING_JOIN(phaseTimer, __LINE__) { \
        ::dorvane::timing::Phase::phase                                              \
    }
#define DORVANE_PRINT_PHASES() ::dorvane::timing::PrintOnce()

#else

#define DORVANE_TIME_PHASE(phase) static_cast<void>(0)
#define DORVANE_PRINT_PHASES() static_cast<void>(0)

#endif
