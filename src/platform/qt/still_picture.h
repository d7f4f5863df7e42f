// The image button's picture: the first frame of an animated picture (GIF)
// through Qt's own image reader, optionally with every pixel of the top-left
// pixel's colour made transparent (the plain ClearTopLeftColour). A pure
// function; bytes that give no image give a null image.
#pragma once

#include <QImage>
#include <cstdint>
#include <span>

namespace dorvane {

QImage StillPicture(std::span<const std::uint8_t> file, bool transparentFromTopLeft);

}  // namespace dorvane
