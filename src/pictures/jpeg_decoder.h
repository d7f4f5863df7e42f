// JPEG pictures to images, with libjpeg called directly; shared by both editions.
// Provides: a whole decode to opaque pixels (0xffRRGGBB), or libjpeg's
// DCT-domain scaling to the smallest of its M/8 sizes that still covers a
// wanted size. Bad bytes (junk, truncated or corrupt data, an unsupported
// colour space, absurd dimensions) give a null image; nothing is printed and
// the process never ends here (our own error manager).
// Does not provide: CMYK pictures, incremental display, smooth scaling to the
// drawn size (the platform's). A pure function.
#pragma once

#include <cstdint>
#include <span>

#include "pictures/image.h"

namespace dorvane {

// `atLeastWidth` or `atLeastHeight` 0: full size. Otherwise the picture comes
// out at the smallest scaling whose width and height both reach them, full
// size at most.
Image DecodeJpeg(std::span<const std::uint8_t> bytes, std::int32_t atLeastWidth = 0,
                 std::int32_t atLeastHeight = 0);

}  // namespace dorvane
