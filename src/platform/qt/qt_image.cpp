#include "platform/qt/qt_image.h"

#include <cstring>

#include "pictures/icon_reader.h"

namespace dorvane {
namespace {

void FreePixels(void* pixels) {
    delete static_cast<std::vector<std::uint32_t>*>(pixels);
}

}  // namespace

QImage QImageOf(Image image, QImage::Format format) {
    if (image.IsNull()) return {};
    auto* pixels = new std::vector<std::uint32_t>(std::move(image.pixels));
    return QImage(reinterpret_cast<uchar*>(pixels->data()), image.width, image.height,
                  static_cast<qsizetype>(image.width) * 4, format, FreePixels, pixels);
}

Image ImageOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Image out(argb.width(), argb.height());
    for (int y = 0; y < out.height; ++y) {
        std::memcpy(out.Row(y), argb.constScanLine(y), static_cast<std::size_t>(out.width) * 4);
    }
    return out;
}

Image DecodePng(std::span<const std::uint8_t> png) {
    QImage image;
    image.loadFromData(png.data(), static_cast<int>(png.size()), "PNG");
    return image.isNull() ? Image() : ImageOf(image);
}

std::vector<Image> ReadIconImagesWithPng(std::span<const std::uint8_t> file) {
    return ReadIconImages(file, DecodePng);
}

QImage IconImageOfSize(const std::vector<Image>& images, QSize size) {
    const Image* chosen = PickIconImage(images, size.width(), size.height());
    if (chosen == nullptr) return {};
    QImage image = QImageOf(*chosen);
    if (image.size() == size) return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace dorvane
