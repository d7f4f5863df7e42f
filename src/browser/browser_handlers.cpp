#include "browser/browser_handlers.h"

#include <algorithm>

#include "catalogue/outfit_catalogue.h"
#include "layout/program_values.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {

std::string_view MainPaneName() { return "超文本浏览框1"; }
std::string_view ContactPaneName() { return "超文本浏览框2"; }

std::string ContactLink() { return "tencent://message/?uin=" DORVANE_AUTHOR_CONTACT_NUMBER; }

void ThumbnailPressed(WindowPlatform& window, std::string_view pictureBox) {
    if (const OutfitEntry* entry = CatalogueLookup(pictureBox)) {
        window.Navigate(MainPaneName(), OutfitAddress(*entry));
    }
}

void ContactClicked(WindowPlatform& window) { window.Navigate(ContactPaneName(), ContactLink()); }

int ClampTextSize(int textSize) { return std::clamp(textSize, 0, 4); }

}  // namespace dorvane
