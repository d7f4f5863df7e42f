// libFuzzer target: any bytes as a thumbnail's JPEG. The decoder must give a
// null image or an RGB32 picture within its side limit, at full size and
// scaled to a thumbnail box, never read or write out of bounds, leak, or
// end the process through libjpeg's error exit. Seed with assets/thumbnails.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/jpeg_decoder.h"

namespace {

constexpr int MaxSide = 8192;  // the decoder's own limit
constexpr QSize BoxInside(70, 134);

bool Holds(const QImage& image) {
    return image.isNull() || (image.format() == QImage::Format_RGB32 && image.width() >= 1 &&
                              image.height() >= 1 && image.width() <= MaxSide &&
                              image.height() <= MaxSide);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const QImage full = dorvane::DecodeJpeg(bytes);
    const QImage scaled = dorvane::DecodeJpeg(bytes, BoxInside);
    if (!Holds(full) || !Holds(scaled)) __builtin_trap();
    // a scaled picture covers the box, or is the picture at full size
    if (!full.isNull() && !scaled.isNull()) {
        const bool covers = scaled.width() >= BoxInside.width() && scaled.height() >= BoxInside.height();
        if (scaled.width() > full.width() || scaled.height() > full.height() ||
            (!covers && scaled.size() != full.size())) {
            __builtin_trap();
        }
    }
    return 0;
}
