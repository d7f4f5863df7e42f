// The one application state: what start-up sets, the window's actions use and
// the end clean-up reads; with it, the way to the fatal stop.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/fatal_stop.h"
#include "core/library_loader.h"

namespace dorvane {

struct ApplicationState {
    // the folder that holds the executable, Windows-style GBK, no trailing backslash
    std::string runDirectory;
    bool componentInitialised = false;
    // unloaded by the end clean-up, in this order
    std::vector<LibraryHandle> loadedLibraries;
    // the running program's fatal stop; none before the start-up sequence runs
    FatalStop* fatalStop = nullptr;
};

// The fatal stop of the running program; without one (nothing started: no box
// to show, no clean-up to run) the process aborts.
[[noreturn]] void RuntimeError(const ApplicationState& state, std::string_view gbkMessage);

}  // namespace dorvane
