// What a thumbnail press and a contact-button click do: each navigates one
// browser pane. The program reads nothing back from a pane.
#pragma once

#include <string>
#include <string_view>

#include "browser/pane_navigator.h"

namespace dorvane {

// GBK layout names of the two panes
std::string_view MainPaneName();     // 超文本浏览框1
std::string_view ContactPaneName();  // 超文本浏览框2

// "tencent://message/?uin=" + AuthorContactNumber
std::string ContactLink();

// the main pane to the box's OutfitAddress; nothing for a box outside the catalogue
void ThumbnailPressed(PaneNavigator& window, std::string_view pictureBox);
// the hidden contact pane to ContactLink
void ContactClicked(PaneNavigator& window);

}  // namespace dorvane
