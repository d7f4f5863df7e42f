// MainWindowLayout: the window's settings and its 78 controls as constant
// data, with the queries the window, the panel switch and the tests need.
// Plain data: no GUI here. Names and texts are GBK byte strings.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace dorvane {

enum class ControlKind : std::uint8_t {
    GroupBox,
    PictureBox,
    Label,
    PushButton,
    BrowserPane,
    ImageButton,
};

struct Rgb {
    std::uint8_t red, green, blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// nullopt is the default colour, drawn in the system's 3-D face colour.
using Colour = std::optional<Rgb>;

enum class ImageFormat : std::uint8_t { None, Jpeg, Gif, Icon };

struct Picture {
    ImageFormat format = ImageFormat::None;
    std::span<const std::uint8_t> bytes;  // the file as carried, empty for none
};

// Which handler a control's event goes to; the window adapter raises it with
// the control's row, and the plain-logic handlers do the rest.
enum class EventHandler : std::uint8_t {
    None,
    TypeButtonClicked,  // 按钮1..按钮6, on clicked
    ThumbnailPressed,   // 图片框1..图片框60, on the left button going down
    ContactClicked,     // 超级按钮1, on clicked
};

// Which of a control's own events raises its handler.
enum class ControlSignal : std::uint8_t {
    None,
    Clicked,         // a button's click (mouse release inside it, or Space)
    LeftButtonDown,  // the left mouse button going down on it
};
ControlSignal SignalOf(EventHandler handler);

struct PaneSettings {
    std::string_view startAddress;  // empty: loads nothing
    bool offline = false;
    bool silent = false;
    std::int32_t textSize = 2;  // 0 smallest .. 4 largest, clamped on use
};

// the text size a pane applies: 0..4, values outside clamped to the nearer end
std::int32_t ClampTextSize(std::int32_t textSize);

// Per-kind settings, flattened: each kind reads only its own fields.
struct KindSettings {
    Colour textColour{};                  // group boxes black, the label red
    Colour backColour{};                  // default colour everywhere
    bool captionLeft = false;             // group boxes: caption on the left of the top edge
    bool multiline = false;               // push buttons: captions wrap
    bool defaultButton = false;           // no button is the default one
    bool wordWrap = false;                // the label
    bool verticalCentre = false;          // the label stores it; no effect while wrapping
    bool border = false;                  // picture boxes (1 px), the image button's line
    bool flat = false;                    // the image button
    bool focusRectangle = true;           // the image button draws none
    bool transparentFromTopLeft = false;  // the image button's picture
    PaneSettings pane{};                  // browser panes
};

struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // empty: the window itself; otherwise a group box
    std::int32_t left, top, width, height;
    bool visible;
    bool enabled;
    bool tabStop;
    std::int32_t tabOrderKey;
    std::string_view text;
    KindSettings settings;
    Picture image;
    EventHandler handler;
};

struct Point {
    std::int32_t x, y;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    std::int32_t width, height;
    friend constexpr bool operator==(Size, Size) = default;
};

struct WindowSettings {
    std::string_view caption;
    Size outerSize;     // 992 x 656, frame included
    Size clientSize;    // what the controls need: 984 x 624
    Point storedPlace;  // 50, 50: kept as the layout has it, never used
    bool fixedFrame;    // no sizing border
    bool minimiseButton;
    bool maximiseButton;
    bool systemMenu;
    bool clipChildren;
    Picture icon;  // the icon file, five images
};

struct MainWindowLayout {
    WindowSettings window;
    std::span<const ControlLayout> controls;  // table order
};

// The program's one layout.
const MainWindowLayout& TheMainWindowLayout();

// none for a name that is not in the layout
const ControlLayout* FindControl(const MainWindowLayout& layout, std::string_view name);

// the controls whose parent is `groupBox`, in table order
std::vector<const ControlLayout*> ChildrenOf(const MainWindowLayout& layout,
                                             std::string_view groupBox);

// own left/top plus those of the group box that holds it
Point PlaceInWindow(const MainWindowLayout& layout, const ControlLayout& control);

// its own visible flag and that of its group box both set
bool ShowsAtStart(const MainWindowLayout& layout, const ControlLayout& control);

// ((screen − outer size) / 2), truncating toward zero; negatives kept
Point StartPlace(const MainWindowLayout& layout, Size screen);

// The focus candidates: controls that show now, are enabled and are tab stops,
// by ascending TabOrderKey, ties by reverse table order. `showsNow` answers for
// a control whether it currently shows.
std::vector<const ControlLayout*> FocusOrder(
    const MainWindowLayout& layout, const std::function<bool(const ControlLayout&)>& showsNow);

// the focus order at start (visibility from the layout)
std::vector<const ControlLayout*> StartFocusOrder(const MainWindowLayout& layout);

// What the window's key hook does with a key-down.
enum class Key : std::uint8_t { Escape, Tab, Enter, F1, Other };
struct Modifiers {
    bool shift = false, ctrl = false, alt = false;
};
enum class KeyAction : std::uint8_t {
    PassOn,   // the focused control gets the key
    Swallow,  // taken by the window, nothing happens
    CloseWindow,
    FocusNext,
    FocusPrevious,
};
// `focused` is the control that has the focus (none: the window itself). While
// it is a browser pane, the page gets every key but Esc first.
KeyAction KeyRule(Key key, Modifiers modifiers, const ControlLayout* focused);

// the candidate after (Tab) or before (Shift+Tab) `focused`, wrapping; the
// first candidate when `focused` is not one of them
const ControlLayout* MoveFocus(const std::vector<const ControlLayout*>& order,
                               std::string_view focused, bool forward);

}  // namespace dorvane
