#include "catalogue/outfit_catalogue.h"

#include <algorithm>

#include "core/program_values.h"

namespace dorvane {

std::span<const OutfitEntry> OutfitCatalogue() {
    return Thumbnails();
}

const OutfitEntry* CatalogueLookup(std::string_view pictureBox) {
    const std::span<const OutfitEntry> entries = Thumbnails();
    const auto found = std::ranges::find(entries, pictureBox, &OutfitEntry::pictureBox);
    return found == entries.end() ? nullptr : &*found;
}

std::string OutfitAddress(const OutfitEntry& entry) {
    std::string address = "http://";
    address += ShowSiteHost;
    address += "/p/f?t=13&i=";
    address += std::to_string(entry.item);
    address += "&u=";
    address += entry.owner;
    return address;
}

std::vector<const OutfitEntry*> PanelEntries(std::string_view panel) {
    std::vector<const OutfitEntry*> entries;
    for (const OutfitEntry& entry : Thumbnails()) {
        if (entry.panel == panel) entries.push_back(&entry);
    }
    // the box numbers do not follow the grid, so the cell decides
    std::ranges::sort(entries, [](const OutfitEntry* a, const OutfitEntry* b) {
        return a->row != b->row ? a->row < b->row : a->column < b->column;
    });
    return entries;
}

}  // namespace dorvane
