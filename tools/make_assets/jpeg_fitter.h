// Encodes a picture as a baseline JFIF JPEG of an exact byte size: the
// highest quality whose file is not larger than the size, then a comment
// segment that pads the file out to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dorvane::assets {

struct RgbPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // rows top to bottom, 3 bytes a pixel
};

struct FittedJpeg {
    std::vector<std::uint8_t> bytes;
    int quality = 0;
    std::size_t padding = 0;  // bytes of comment segments added
};

class JpegFitter {
  public:
    // none when even the lowest quality does not fit
    static std::optional<FittedJpeg> fit(const RgbPicture& picture, std::size_t targetBytes);
    // the comment segments that add exactly gap bytes; none for a gap of 1 to 3,
    // which no segment is small enough to fill
    static std::optional<std::vector<std::vector<std::uint8_t>>> paddingComments(std::size_t gap);

  private:
    static std::vector<std::uint8_t> encode(const RgbPicture& picture, int quality,
                                            const std::vector<std::vector<std::uint8_t>>& comments);
};

}  // namespace dorvane::assets
