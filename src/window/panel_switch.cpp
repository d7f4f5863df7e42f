#include "window/panel_switch.h"

#include "core/program_values.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {

namespace {

struct TypeButton {
    std::string_view name;
    int number;  // the panel it shows, 1..5; 0 for the notice
};

constexpr std::array<TypeButton, 6> TypeButtons{{
    {"按钮1", 1},
    {"按钮2", 2},
    {"按钮3", 3},
    {"按钮4", 4},
    {"按钮5", 5},
    {"按钮6", 0},
}};

}  // namespace

std::array<PanelWrite, PanelCount> PanelSwitch(int button) {
    std::array<PanelWrite, PanelCount> writes{};
    for (std::size_t i = 0; i < PanelCount; ++i) {
        writes[i] = {PanelOrder()[i], static_cast<int>(i) + 1 == button};
    }
    return writes;
}

int TypeButtonNumber(std::string_view buttonName) {
    for (const TypeButton& button : TypeButtons) {
        if (button.name == buttonName) return button.number;
    }
    return -1;
}

}  // namespace dorvane
