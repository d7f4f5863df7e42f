// Taking the run directory from the executable's path.
#pragma once

#include <string>
#include <string_view>

namespace dorvane {

// The part before the last backslash, without it; empty when there is none.
// The path is GBK: a backslash byte that is the second byte of a two-byte
// character is not a separator.
std::string RunDirectoryOf(std::string_view executablePath);

}  // namespace dorvane
