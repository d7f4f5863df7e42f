// A 256-entry colour table for a set of frames. Entry 0 is the background
// colour and no other entry has that colour, so exactly the background
// pixels show through where a reader draws that colour transparent. With more
// than 255 other colours, median cut picks the entries.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace dorvane::assets {

class Palette {
  public:
    static constexpr int Entries = 256;

    static Palette build(const std::vector<std::vector<std::uint32_t>>& frames,
                         std::uint32_t background);

    const std::vector<std::uint32_t>& colours() const { return colours_; }
    // the entry that shows rgb (0xRRGGBB) best
    std::uint8_t indexOf(std::uint32_t rgb) const;

  private:
    std::vector<std::uint32_t> colours_;
    std::map<std::uint32_t, std::uint8_t> lookup_;
};

}  // namespace dorvane::assets
