#include "browser/browser_handlers.h"

#include "catalogue/outfit_catalogue.h"
#include "core/program_values.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {

std::string_view MainPaneName() {
    return "超文本浏览框1";
}
std::string_view ContactPaneName() {
    return "超文本浏览框2";
}

std::string ContactLink() {
    return "tencent://message/?uin=" DORVANE_AUTHOR_CONTACT_NUMBER;
}

void ThumbnailPressed(PaneNavigator& window, std::string_view pictureBox) {
    if (const OutfitEntry* entry = CatalogueLookup(pictureBox)) {
        window.Navigate(MainPaneName(), OutfitAddress(*entry));
    }
}

void ContactClicked(PaneNavigator& window) {
    window.Navigate(ContactPaneName(), ContactLink());
}

}  // namespace dorvane
