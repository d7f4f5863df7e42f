// Windows icon files to images.
// Provides: the icon directory; the images stored as device-independent
// bitmaps (1, 4, 8, 24 and 32 bits per pixel, with their AND masks; a 32-bit
// image with an alpha channel uses it) and as PNG; choosing the image for a
// size. Every offset and size is checked against the bytes: a damaged
// directory gives no images, a damaged image is left out, nothing is read out
// of bounds. Does not provide: compressed bitmaps, cursors. Pure functions.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <span>
#include <vector>

namespace dorvane {

// In the order the file stores them, each as ARGB32.
std::vector<QImage> ReadIconImages(std::span<const std::uint8_t> file);

// The image of exactly `size`; else the smallest larger one, else the largest
// smaller one, scaled smoothly to `size`. Null when there are no images.
QImage IconImageOfSize(const std::vector<QImage>& images, QSize size);

}  // namespace dorvane
