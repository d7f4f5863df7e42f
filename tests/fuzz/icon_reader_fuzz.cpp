// libFuzzer target: any bytes as the icon file the tray image is made from.
// The reader (with the Qt edition's PNG decoder, as in the program) must give
// only whole, non-null images and never read out of bounds, and the tray's
// choice must give a 16 x 16 image exactly when there is any image at all. Seed with
// assets/dorvane.ico and icons made from its images.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "pictures/icon_reader.h"
#include "platform/qt/qt_image.h"

namespace {

constexpr QSize TraySize(16, 16);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<dorvane::Image> images =
        dorvane::ReadIconImagesWithPng(std::span(data, size));
    for (const dorvane::Image& image : images) {
        if (image.IsNull() ||
            image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
            __builtin_trap();
        }
    }
    const QImage tray = dorvane::IconImageOfSize(images, TraySize);
    if (tray.isNull() != images.empty() || (!tray.isNull() && tray.size() != TraySize)) {
        __builtin_trap();
    }
    return 0;
}
