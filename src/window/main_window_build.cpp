#include "window/main_window_build.h"

#include <ranges>
#include <set>

namespace dorvane {

bool BuildMainWindow(WindowPlatform& window, const MainWindowLayout& layout, Point place,
                     MainWindowEvents& events) {
    if (!window.CreateMainWindow(layout.window, place, events)) return false;

    // group boxes first, so every other control finds its parent
    std::set<std::string_view> groupBoxes;
    bool complete = true;
    for (const bool groupBoxPass : {true, false}) {
        for (const ControlLayout& row : layout.controls) {
            if ((row.kind == ControlKind::GroupBox) != groupBoxPass) continue;
            const bool parentMade = row.parent.empty() || groupBoxes.contains(row.parent);
            if (!parentMade || !window.CreateControl(row)) {
                complete = false;
                continue;
            }
            if (row.kind == ControlKind::GroupBox) groupBoxes.insert(row.name);
        }
    }
    if (!complete) {
        window.CloseWindow();
        return false;
    }

    // each raise puts a control above its siblings, so the first row ends on top
    for (const ControlLayout& row : layout.controls | std::views::reverse) {
        window.RaiseControl(row.name);
    }
    for (const ControlLayout& row : layout.controls) window.SetControlShown(row.name, row.visible);
    return true;
}

}  // namespace dorvane
