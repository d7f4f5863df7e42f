// The five panels and the sixty thumbnails in one table: each thumbnail's
// picture box, its panel and grid cell, and the outfit it shows. The window's
// layout places the boxes by it; the catalogue finds the outfits in it.
// Plain data, GBK names; cells come from the table, never from box numbers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace dorvane {

inline constexpr std::size_t PanelCount = 5;

// 意境1, 意境2, 意境3, 恶搞, 可爱 (GBK): type button k shows panel k, and a
// panel switch writes them in this order
const std::array<std::string_view, PanelCount>& PanelOrder();

struct Thumbnail {
    std::string_view pictureBox;  // GBK, 图片框1..图片框60
    std::string_view panel;       // one of PanelOrder()
    std::int32_t column;          // 1..4 from the left
    std::int32_t row;             // 1..3 from the top
    std::uint32_t item;           // the site's item id of the outfit
    std::string_view owner;       // one of the owner account numbers
};

// the sixty, in the order of the picture box numbers
std::span<const Thumbnail> Thumbnails();

}  // namespace dorvane
