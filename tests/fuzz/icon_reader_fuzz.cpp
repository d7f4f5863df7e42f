// libFuzzer target: any bytes as the icon file the tray image is made from.
// The reader must give only non-null ARGB32 images and never read out of
// bounds, and the tray's choice must give a 16 x 16 image exactly when there
// is any image at all. Seed with
// assets/dorvane.ico and icons made from its images.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/icon_reader.h"

namespace {

constexpr QSize TraySize(16, 16);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<QImage> images = dorvane::ReadIconImages(std::span(data, size));
    for (const QImage& image : images) {
        if (image.isNull() || image.format() != QImage::Format_ARGB32) __builtin_trap();
    }
    const QImage tray = dorvane::IconImageOfSize(images, TraySize);
    if (tray.isNull() != images.empty() || (!tray.isNull() && tray.size() != TraySize)) {
        __builtin_trap();
    }
    return 0;
}
