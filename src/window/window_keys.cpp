#include "window/window_keys.h"

namespace dorvane {

bool CarryOutKey(WindowPlatform& window, const MainWindowLayout& layout, Key key,
                 Modifiers modifiers) {
    const std::string_view focused = window.FocusedControl();
    const ControlLayout* row = focused.empty() ? nullptr : FindControl(layout, focused);
    const KeyAction action = KeyRule(key, modifiers, row);
    switch (action) {
        case KeyAction::PassOn:
            return false;
        case KeyAction::Swallow:
            return true;
        case KeyAction::CloseWindow:
            window.CloseWindow();
            return true;
        case KeyAction::FocusNext:
        case KeyAction::FocusPrevious:
            MoveFocusAlong(window, layout, action == KeyAction::FocusNext);
            return true;
    }
    return false;
}

void MoveFocusAlong(WindowPlatform& window, const MainWindowLayout& layout, bool forward) {
    const auto showsNow = [&window](const ControlLayout& row) {
        return window.ControlShowsNow(row.name);
    };
    const ControlLayout* next =
        MoveFocus(FocusOrder(layout, showsNow), window.FocusedControl(), forward);
    if (next != nullptr) {
        window.FocusControl(next->name, forward ? FocusCause::Forward : FocusCause::Backward);
    }
}

}  // namespace dorvane
