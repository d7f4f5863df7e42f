// Texts pinned as hex GBK bytes: the tests are compiled as UTF-8, so a literal
// could not show a wrong execution charset in the code under test.
#pragma once

#include <string>
#include <string_view>

namespace dorvane::testing {

inline std::string GbkFromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

}  // namespace dorvane::testing
