// The body's password check: a digest of the password, compared with the
// one stored in the body header. A check that the right skin is being
// attached, not protection of its contents.
#pragma once

#include <cstdint>
#include <string_view>

namespace dorvane::skin {

// FNV-1a, 64 bits, over a fixed prefix and the password's GBK bytes.
std::uint64_t PasswordDigest(std::string_view gbkPassword);

}  // namespace dorvane::skin
