// Writes a Windows icon file: the directory, then each image as a
// BITMAPINFOHEADER (height doubled for the mask), 32-bit BGRA rows bottom-up
// and a 1-bit AND mask with rows padded to 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace dorvane::assets {

struct IconImage {
    int size = 0;                     // width and height in pixels
    std::vector<std::uint32_t> argb;  // rows top to bottom, straight (not premultiplied) alpha
};

class IconFile {
  public:
    static std::vector<std::uint8_t> write(const std::vector<IconImage>& images);
    // bytes of one image's entry data: header, colour rows, mask rows
    static std::uint32_t imageBytes(int size);
};

}  // namespace dorvane::assets
