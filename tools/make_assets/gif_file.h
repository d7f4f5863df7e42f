// Writes an animated GIF89a with one global 256-colour table through giflib.
// The first frame covers the whole picture; each later frame covers only the
// rectangle in which it differs from the one before and leaves the rest in
// place. A comment extension pads the file to an exact byte size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dorvane::assets {

struct GifFrame {
    std::vector<std::uint32_t> rgb;  // 0xRRGGBB, rows top to bottom
    int delayCentiseconds = 0;
};

class GifFile {
  public:
    // none when the picture alone is already larger than targetBytes, or
    // the gap is too small for a comment
    static std::optional<std::vector<std::uint8_t>> write(int width, int height,
                                                          const std::vector<GifFrame>& frames,
                                                          std::uint32_t background,
                                                          std::size_t targetBytes);

  private:
    static std::vector<std::uint8_t> encode(int width, int height,
                                            const std::vector<GifFrame>& frames,
                                            std::uint32_t background, std::size_t commentBytes);
};

}  // namespace dorvane::assets
