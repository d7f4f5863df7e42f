#include "core/application_state.h"

#include <cstdlib>

namespace dorvane {

void RuntimeError(const ApplicationState& state, std::string_view gbkMessage) {
    if (state.fatalStop != nullptr) state.fatalStop->RuntimeError(gbkMessage);
    std::abort();
}

}  // namespace dorvane
