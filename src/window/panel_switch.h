// The type buttons' panel switch as plain data: which panel each of 按钮1 to
// 按钮5 shows, and the five visibility writes a switch makes.
#pragma once

#include <array>
#include <string_view>

#include "layout/thumbnails.h"

namespace dorvane {

struct PanelWrite {
    std::string_view panel;
    bool shown;
    friend constexpr bool operator==(const PanelWrite&, const PanelWrite&) = default;
};

// Button k (1..5): the five writes in panel order, shown only for panel k.
std::array<PanelWrite, PanelCount> PanelSwitch(int button);

// What a type button does: button 1..5 show their panel, 0 means the notice.
// none (-1) for a name that is no type button.
int TypeButtonNumber(std::string_view buttonName);

}  // namespace dorvane
