// The one application state: what start-up sets and the end clean-up reads.
#pragma once

#include <string>
#include <vector>

#include "app/library_loader.h"

namespace dorvane {

struct ApplicationState {
    // the folder that holds the executable, Windows-style GBK, no trailing backslash
    std::string runDirectory;
    bool componentInitialised = false;
    // unloaded by the end clean-up, in this order
    std::vector<LibraryHandle> loadedLibraries;
};

}  // namespace dorvane
