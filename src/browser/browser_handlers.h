// What a thumbnail press and a contact-button click do: each navigates one
// browser pane. The program reads nothing back from a pane.
#pragma once

#include <string>
#include <string_view>

#include "window/window_platform.h"

namespace dorvane {

// GBK layout names of the two panes
std::string_view MainPaneName();     // 超文本浏览框1
std::string_view ContactPaneName();  // 超文本浏览框2

// "tencent://message/?uin=" + AuthorContactNumber
std::string ContactLink();

// the main pane to the box's OutfitAddress; nothing for a box outside the catalogue
void ThumbnailPressed(WindowPlatform& window, std::string_view pictureBox);
// the hidden contact pane to ContactLink
void ContactClicked(WindowPlatform& window);

// the text size a pane applies: 0..4, values outside clamped to the nearer end
int ClampTextSize(int textSize);

}  // namespace dorvane
