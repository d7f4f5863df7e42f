// The plain Image at the Qt boundary, both ways, and the picture work the
// readers leave to the platform: decoding an icon's PNG images and the
// smooth scaling of an icon image to the size asked for.
// Does not provide: reading any file format itself (pictures/ does that).
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <span>
#include <vector>

#include "pictures/image.h"

namespace dorvane {

// The same pixels as a QImage (no copy: the QImage takes the pixels over).
// `format` is ARGB32, or RGB32 for an opaque picture.
QImage QImageOf(Image image, QImage::Format format = QImage::Format_ARGB32);
// The pixels of any QImage, as ARGB32.
Image ImageOf(const QImage& image);

// An icon's PNG image through Qt's PNG reader; null when the bytes give none.
Image DecodePng(std::span<const std::uint8_t> png);

// The icon file's images with their PNG ones.
std::vector<Image> ReadIconImagesWithPng(std::span<const std::uint8_t> file);

// PickIconImage's choice, scaled smoothly to `size` when it is another size;
// null when there are no images.
QImage IconImageOfSize(const std::vector<Image>& images, QSize size);

}  // namespace dorvane
