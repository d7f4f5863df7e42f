// A picture as plain pixels, the one image type the picture readers return:
// rows from the top, each pixel a 32-bit word 0xAARRGGBB (the word in the
// machine's own byte order, as Qt's ARGB32 and a Win32 32-bit DIB section
// hold it). A platform wraps it at its boundary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dorvane {

struct Image {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;  // width * height words, row by row

    Image() = default;
    // width x height pixels, all 0 (transparent black); null for a side below 1
    Image(std::int32_t w, std::int32_t h);

    bool IsNull() const { return pixels.empty(); }
    std::uint32_t* Row(std::int32_t y) { return pixels.data() + Offset(y); }
    const std::uint32_t* Row(std::int32_t y) const { return pixels.data() + Offset(y); }
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const { return Row(y)[x]; }

    friend bool operator==(const Image&, const Image&) = default;

  private:
    std::size_t Offset(std::int32_t y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
};

inline constexpr std::uint32_t Argb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                                    std::uint32_t blue) {
    return alpha << 24 | red << 16 | green << 8 | blue;
}

// The picture of the image button: every pixel of the top-left pixel's colour
// made transparent (0). Nothing for a null image.
void ClearTopLeftColour(Image& image);

}  // namespace dorvane
