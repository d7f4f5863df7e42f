// OutfitCatalogue: the sixty outfits behind the thumbnails (the thumbnail
// table, layout/thumbnails), looked up by picture box, with each one's try-on
// address on the site.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "layout/thumbnails.h"

namespace dorvane {

// each thumbnail's row of the one table: box, panel, cell, item, owner
using OutfitEntry = Thumbnail;

// the sixty entries, in the order of the picture box numbers
std::span<const OutfitEntry> OutfitCatalogue();

// none for a name outside the table
const OutfitEntry* CatalogueLookup(std::string_view pictureBox);

// "http://" + ShowSiteHost + "/p/f?t=13&i=" + item + "&u=" + owner
std::string OutfitAddress(const OutfitEntry& entry);

// the twelve entries of one panel in cell order: row 1 columns 1..4, then rows 2 and 3
std::vector<const OutfitEntry*> PanelEntries(std::string_view panel);

}  // namespace dorvane
