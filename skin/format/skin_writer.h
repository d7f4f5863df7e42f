// Writing a skin file, for the generator and the tests: the body from a
// theme, its raw LZMA1 stream, and the file around it. Deterministic: the
// same theme gives the same bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "skin_format.h"

namespace dorvane::skin {

// One section as stored, for building bodies by hand (tests).
struct Section {
    std::uint32_t tag;
    std::vector<std::uint8_t> bytes;
};

// The sections a theme is stored as: style, palette, style sheet, and the
// tile when it has one.
std::vector<Section> SectionsOf(const Theme& theme);

// Header, section table and sections, zero-padded to exactly bodySize; the
// password is GBK. none when the sections do not fit.
std::optional<std::vector<std::uint8_t>> BuildBody(std::span<const Section> sections,
                                                   std::string_view password,
                                                   std::uint32_t bodySize);

// The raw LZMA1 stream (lc 3, lp 0, pb 2, 8 MiB dictionary, no end marker).
std::optional<std::vector<std::uint8_t>> CompressBody(std::span<const std::uint8_t> body);

// The file header naming `declaredBodySize`, the stream, zero padding up to
// exactly fileSize. none when the stream does not fit.
std::optional<std::vector<std::uint8_t>> PackSkinFile(std::uint32_t declaredBodySize,
                                                      std::span<const std::uint8_t> stream,
                                                      std::size_t fileSize);

}  // namespace dorvane::skin
