// OutfitCatalogue: the sixty outfits behind the thumbnails, each tied to its
// picture box, panel and grid cell, with its try-on address on the site.
// Plain data; cells come from the table, never from box numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane {

struct OutfitEntry {
    std::string_view pictureBox;  // GBK, 图片框1..图片框60
    std::string_view panel;       // GBK, 意境1, 意境2, 意境3, 恶搞 or 可爱
    std::int32_t column;          // 1..4 from the left
    std::int32_t row;             // 1..3 from the top
    std::uint32_t item;           // the site's item id
    std::string_view owner;       // one of the owner account numbers
};

// the sixty entries, in the order of the picture box numbers
std::span<const OutfitEntry> OutfitCatalogue();

// none for a name outside the table
const OutfitEntry* CatalogueLookup(std::string_view pictureBox);

// "http://" + ShowSiteHost + "/p/f?t=13&i=" + item + "&u=" + owner
std::string OutfitAddress(const OutfitEntry& entry);

// the twelve entries of one panel in cell order: row 1 columns 1..4, then rows 2 and 3
std::vector<const OutfitEntry*> PanelEntries(std::string_view panel);

}  // namespace dorvane
