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

// the names several tests pin
inline const std::string Yijing1 = GbkFromHex("D2E2BEB331");  // 意境1
inline const std::string Yijing2 = GbkFromHex("D2E2BEB332");  // 意境2
inline const std::string Yijing3 = GbkFromHex("D2E2BEB333");  // 意境3
inline const std::string Egao = GbkFromHex("B6F1B8E3");       // 恶搞
inline const std::string Keai = GbkFromHex("BFC9B0AE");       // 可爱
inline std::string Box(int number) {
    return GbkFromHex("CDBCC6ACBFF2") + std::to_string(number);
}  // 图片框n

}  // namespace dorvane::testing
