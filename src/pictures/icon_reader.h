// Windows icon files to images, shared by both editions.
// Provides: the icon directory; the images stored as device-independent
// bitmaps (1, 4, 8, 24 and 32 bits per pixel, with their AND masks; a 32-bit
// image with an alpha channel uses it); PNG images through a decoder the
// platform hands in; choosing the image for a size. Every offset and size is
// checked against the bytes: a damaged directory gives no images, a damaged
// image is left out, nothing is read out of bounds. Does not provide:
// compressed bitmaps, cursors, scaling (the platform scales a picked image of
// another size). Pure functions.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "pictures/image.h"

namespace dorvane {

// A PNG file's image, null when the bytes give none.
using PngDecoder = Image (*)(std::span<const std::uint8_t> png);

// In the order the file stores them. PNG images are left out without a decoder.
std::vector<Image> ReadIconImages(std::span<const std::uint8_t> file,
                                  PngDecoder decodePng = nullptr);

// The image of exactly width x height; else the smallest larger one, else the
// largest smaller one (the caller scales those). None when there are no images.
const Image* PickIconImage(const std::vector<Image>& images, std::int32_t width,
                           std::int32_t height);

}  // namespace dorvane
