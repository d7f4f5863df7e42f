// libFuzzer target: any bytes as a thumbnail's JPEG. The decoder must give a
// null image or an opaque picture within its side limit, at full size and
// scaled to a thumbnail box, never read or write out of bounds, leak, or
// end the process through libjpeg's error exit. Seed with assets/thumbnails.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "pictures/jpeg_decoder.h"

namespace {

constexpr int MaxSide = 8192;  // the decoder's own limit
constexpr int BoxWidth = 70, BoxHeight = 134;

bool Holds(const dorvane::Image& image) {
    if (image.IsNull()) return true;
    return image.width >= 1 && image.height >= 1 && image.width <= MaxSide &&
           image.height <= MaxSide &&
           image.pixels.size() == static_cast<std::size_t>(image.width) * image.height &&
           std::ranges::all_of(image.pixels,
                               [](std::uint32_t pixel) { return pixel >> 24 == 0xff; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const dorvane::Image full = dorvane::DecodeJpeg(bytes);
    const dorvane::Image scaled = dorvane::DecodeJpeg(bytes, BoxWidth, BoxHeight);
    if (!Holds(full) || !Holds(scaled)) __builtin_trap();
    // a scaled picture covers the box, or is the picture at full size
    if (!full.IsNull() && !scaled.IsNull()) {
        const bool covers = scaled.width >= BoxWidth && scaled.height >= BoxHeight;
        const bool fullSize = scaled.width == full.width && scaled.height == full.height;
        if (scaled.width > full.width || scaled.height > full.height || (!covers && !fullSize)) {
            __builtin_trap();
        }
    }
    return 0;
}
