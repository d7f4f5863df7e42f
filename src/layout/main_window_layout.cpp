#include "layout/main_window_layout.h"

#include <algorithm>
#include <ranges>

namespace dorvane {

ControlSignal SignalOf(EventHandler handler) {
    switch (handler) {
        case EventHandler::TypeButtonClicked:
        case EventHandler::ContactClicked:
            return ControlSignal::Clicked;
        case EventHandler::ThumbnailPressed:
            return ControlSignal::LeftButtonDown;
        case EventHandler::None:
            break;
    }
    return ControlSignal::None;
}

std::int32_t ClampTextSize(std::int32_t textSize) {
    return std::clamp(textSize, 0, 4);
}

const ControlLayout* FindControl(const MainWindowLayout& layout, std::string_view name) {
    const auto found = std::ranges::find(layout.controls, name, &ControlLayout::name);
    return found == layout.controls.end() ? nullptr : &*found;
}

std::vector<const ControlLayout*> ChildrenOf(const MainWindowLayout& layout,
                                             std::string_view groupBox) {
    std::vector<const ControlLayout*> children;
    for (const ControlLayout& control : layout.controls) {
        if (control.parent == groupBox) children.push_back(&control);
    }
    return children;
}

Point PlaceInWindow(const MainWindowLayout& layout, const ControlLayout& control) {
    Point place{control.left, control.top};
    if (control.parent.empty()) return place;
    // no group box lies inside another, so one step up reaches the window
    if (const ControlLayout* parent = FindControl(layout, control.parent)) {
        place.x += parent->left;
        place.y += parent->top;
    }
    return place;
}

bool ShowsAtStart(const MainWindowLayout& layout, const ControlLayout& control) {
    if (!control.visible) return false;
    if (control.parent.empty()) return true;
    const ControlLayout* parent = FindControl(layout, control.parent);
    return parent != nullptr && parent->visible;
}

Point StartPlace(const MainWindowLayout& layout, Size screen) {
    // built-in division truncates toward zero; an off-screen start is kept as is
    return {(screen.width - layout.window.outerSize.width) / 2,
            (screen.height - layout.window.outerSize.height) / 2};
}

std::vector<const ControlLayout*> FocusOrder(
    const MainWindowLayout& layout, const std::function<bool(const ControlLayout&)>& showsNow) {
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& control : layout.controls | std::views::reverse) {
        if (control.enabled && control.tabStop && showsNow(control)) order.push_back(&control);
    }
    // collected in reverse table order, so a stable sort leaves ties that way
    std::ranges::stable_sort(order, {}, &ControlLayout::tabOrderKey);
    return order;
}

std::vector<const ControlLayout*> StartFocusOrder(const MainWindowLayout& layout) {
    return FocusOrder(
        layout, [&layout](const ControlLayout& control) { return ShowsAtStart(layout, control); });
}

KeyAction KeyRule(Key key, Modifiers modifiers, const ControlLayout* focused) {
    const bool anyModifier = modifiers.shift || modifiers.ctrl || modifiers.alt;
    if (key == Key::Escape) return anyModifier ? KeyAction::PassOn : KeyAction::CloseWindow;
    // a page needs its own Tab, Enter and F1 (forms, links, the engine's keys)
    if (focused != nullptr && focused->kind == ControlKind::BrowserPane) return KeyAction::PassOn;
    switch (key) {
        case Key::Tab:
            if (modifiers.ctrl || modifiers.alt) return KeyAction::PassOn;
            return modifiers.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
        case Key::Enter:  // there is no default button to click
        case Key::F1:     // there is no help
            return KeyAction::Swallow;
        default:
            return KeyAction::PassOn;
    }
}

const ControlLayout* MoveFocus(const std::vector<const ControlLayout*>& order,
                               std::string_view focused, bool forward) {
    if (order.empty()) return nullptr;
    const auto found = std::ranges::find(order, focused, &ControlLayout::name);
    if (found == order.end()) return order.front();
    const std::size_t at = static_cast<std::size_t>(found - order.begin());
    const std::size_t count = order.size();
    return order[forward ? (at + 1) % count : (at + count - 1) % count];
}

}  // namespace dorvane
