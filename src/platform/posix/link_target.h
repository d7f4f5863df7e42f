// The whole target of a symbolic link, however long (the executable's own
// path comes from /proc/self/exe this way). Nothing else.
#pragma once

#include <optional>
#include <string>

namespace dorvane {

// none when the link cannot be read
std::optional<std::string> LinkTarget(const char* link);

}  // namespace dorvane
