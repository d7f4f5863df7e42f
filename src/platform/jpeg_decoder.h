// JPEG pictures to images, with libjpeg called directly.
// Provides: a whole decode to Format_RGB32, or libjpeg's DCT-domain scaling to the
// smallest of its M/8 sizes that still covers a wanted size. Bad bytes (junk,
// truncated or corrupt data, an unsupported colour space, absurd dimensions)
// give a null image; nothing is printed and the process never ends here.
// Does not provide: CMYK pictures, incremental display. A pure function.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <span>

namespace dorvane {

// `atLeast` empty: full size. Otherwise the picture comes out at the smallest
// scaling whose width and height both reach `atLeast`, full size at most.
QImage DecodeJpeg(std::span<const std::uint8_t> bytes, QSize atLeast = {});

}  // namespace dorvane
