// Reads a committed asset whole, and the integers inside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dorvane::test {

inline std::vector<std::uint8_t> readAsset(const std::string& relativePath) {
    std::ifstream in(std::string(DORVANE_ASSETS_DIR) + "/" + relativePath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline unsigned le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}

inline std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return le16(b, at) | (static_cast<std::uint32_t>(le16(b, at + 2)) << 16);
}

inline unsigned be16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (b.at(at) << 8) | b.at(at + 1);
}

}  // namespace dorvane::test
