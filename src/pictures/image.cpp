#include "pictures/image.h"

#include <algorithm>

namespace dorvane {

Image::Image(std::int32_t w, std::int32_t h) {
    if (w < 1 || h < 1) return;
    width = w;
    height = h;
    pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
}

void ClearTopLeftColour(Image& image) {
    if (image.IsNull()) return;
    const std::uint32_t key = image.pixels.front();
    std::ranges::replace(image.pixels, key, 0u);
}

}  // namespace dorvane
