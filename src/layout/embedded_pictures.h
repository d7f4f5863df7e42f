// The pictures carried in the program's constant data (generated at build time
// from assets/).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace dorvane::embedded {

// index 0 is 图片框1's picture
extern const std::span<const std::uint8_t> Thumbnails[60];
extern const std::uint8_t IconFile[];
extern const std::size_t IconFile_size;
extern const std::uint8_t ContactButtonGif[];
extern const std::size_t ContactButtonGif_size;

}  // namespace dorvane::embedded
