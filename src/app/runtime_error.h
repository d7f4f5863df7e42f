// The fatal stop: an error box, the end clean-up, then exit code -1. Usable
// from anywhere while the start-up sequence runs (the allocator's new-handler
// and the skin binding reach it this way).
#pragma once

#include <string_view>

namespace dorvane {

[[noreturn]] void RuntimeError(std::string_view gbkMessage);

}  // namespace dorvane
