#include "byte_writer.h"

namespace dorvane::assets {

void ByteWriter::u8(std::uint8_t value) {
    bytes_.push_back(value);
}

void ByteWriter::u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value & 0xff));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value) {
    u16(static_cast<std::uint16_t>(value & 0xffff));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::text(std::string_view ascii) {
    bytes_.insert(bytes_.end(), ascii.begin(), ascii.end());
}

void ByteWriter::bytes(const std::vector<std::uint8_t>& data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

}  // namespace dorvane::assets
