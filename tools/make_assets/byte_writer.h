// Appends little-endian integers and raw bytes to a growing file image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace dorvane::assets {

class ByteWriter {
  public:
    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void text(std::string_view ascii);
    void bytes(const std::vector<std::uint8_t>& data);

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace dorvane::assets
