// The window's build walk, key rules and focus moves as the plain logic
// carries them out, against the recording platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gbk_hex.h"
#include "layout/main_window_layout.h"
#include "recording_platform.h"
#include "window/main_window_build.h"
#include "window/window_keys.h"

namespace dorvane {
namespace {

using testing::GbkFromHex;
using testing::RecordingPlatform;

class NoEvents : public MainWindowEvents {
  public:
    void Created() override {}
    void ControlEvent(const ControlLayout&) override {}
    bool KeyDown(Key, Modifiers) override { return false; }
    void FocusLeaving(bool) override {}
};

std::ptrdiff_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    const auto found = std::find(lines.begin(), lines.end(), line);
    EXPECT_NE(found, lines.end()) << line;
    return found - lines.begin();
}

std::string Created(const ControlLayout& row) {
    return "Create " + std::string(row.name) + " in " + std::string(row.parent);
}

// Would catch: a control made before the group box that holds it, one made
// twice or in another parent, the stacking walked in table order (the last
// row would end on top), a visibility write before the stacking or missing.
TEST(BuildMainWindow, GroupBoxesFirstThenStackingThenEachRowsFlag) {
    const MainWindowLayout& layout = TheMainWindowLayout();
    RecordingPlatform platform;
    NoEvents events;
    ASSERT_TRUE(BuildMainWindow(platform, layout, {3, 4}, events));
    EXPECT_EQ(platform.calls, std::vector<std::string>{"CreateMainWindow 3,4"});

    const std::size_t n = layout.controls.size();
    ASSERT_EQ(platform.built.size(), 3 * n);
    std::ptrdiff_t lastGroupBox = -1, firstOther = static_cast<std::ptrdiff_t>(n);
    for (const ControlLayout& row : layout.controls) {
        const std::ptrdiff_t at = IndexOf(platform.built, Created(row));
        EXPECT_LT(at, static_cast<std::ptrdiff_t>(n)) << "made before any raise";
        if (row.kind == ControlKind::GroupBox)
            lastGroupBox = std::max(lastGroupBox, at);
        else
            firstOther = std::min(firstOther, at);
    }
    EXPECT_LT(lastGroupBox, firstOther);
    for (std::size_t i = 0; i < n; ++i) {
        const ControlLayout& row = layout.controls[n - 1 - i];
        EXPECT_EQ(platform.built[n + i], "Raise " + std::string(row.name)) << "reverse table order";
        const ControlLayout& same = layout.controls[i];
        EXPECT_EQ(platform.built[2 * n + i],
                  (same.visible ? "Show " : "Hide ") + std::string(same.name));
    }
}

// Would catch: a half-built window left standing, or a row whose parent is
// no group box put into the window instead.
TEST(BuildMainWindow, ARowThatCannotBeMadeClosesTheWindow) {
    const MainWindowLayout& layout = TheMainWindowLayout();
    const std::string contact = GbkFromHex("B3ACBCB6B0B4C5A531");  // 超级按钮1
    RecordingPlatform platform;
    platform.uncreatableControls.insert(contact);
    NoEvents events;
    EXPECT_FALSE(BuildMainWindow(platform, layout, {0, 0}, events));
    EXPECT_EQ(platform.calls.back(), "CloseWindow");
    EXPECT_FALSE(platform.WindowExists());

    ControlLayout rows[] = {layout.controls[0], layout.controls[1]};
    rows[0].kind = ControlKind::Label;  // the label is no group box, yet holds the second row
    rows[1].parent = rows[0].name;
    RecordingPlatform broken;
    EXPECT_FALSE(BuildMainWindow(broken, {layout.window, rows}, {0, 0}, events));
    EXPECT_EQ(broken.calls.back(), "CloseWindow");
    EXPECT_EQ(std::count(broken.built.begin(), broken.built.end(), Created(rows[1])), 0);
}

// The key rules carried out on the built window, focus starting on `from`.
// Would catch: Tab along the table order or Qt's chain instead of the focus
// order, a hidden control in it, no wrap, Esc with a modifier closing, a
// browser pane's Tab taken from its page, Enter or F1 reaching a button.
TEST(WindowKeys, EachRuleCarriedOutFromTheFocusedControl) {
    const std::string button = GbkFromHex("B0B4C5A5");  // 按钮
    const std::string contact = GbkFromHex("B3ACBCB6B0B4C5A531");
    const std::string pane = GbkFromHex("B3ACCEC4B1BEE4AFC0C0BFF231");  // 超文本浏览框1
    struct Case {
        std::string from;
        Key key;
        Modifiers modifiers;
        bool taken;
        std::vector<std::string> calls;  // after the key
    };
    const Modifiers none{}, shift{.shift = true}, ctrl{.ctrl = true};
    const Case cases[] = {
        {button + "1", Key::Tab, none, true, {"FocusControl " + button + "2 forward"}},
        {button + "6", Key::Tab, none, true, {"FocusControl " + contact + " forward"}},
        {contact, Key::Tab, none, true, {"FocusControl " + pane + " forward"}},
        {button + "1", Key::Tab, shift, true, {"FocusControl " + pane + " backward"}},
        {button + "1", Key::Tab, ctrl, false, {}},
        {pane, Key::Tab, none, false, {}},
        {pane, Key::Escape, none, true, {"CloseWindow"}},
        {button + "2", Key::Escape, shift, false, {}},
        {button + "2", Key::Enter, none, true, {}},
        {button + "2", Key::F1, none, true, {}},
        {button + "2", Key::Other, none, false, {}},
        {"", Key::Tab, none, true, {"FocusControl " + pane + " forward"}},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform;
        NoEvents events;
        ASSERT_TRUE(BuildMainWindow(platform, TheMainWindowLayout(), {0, 0}, events));
        platform.focused = c.from;
        platform.calls.clear();
        EXPECT_EQ(CarryOutKey(platform, TheMainWindowLayout(), c.key, c.modifiers), c.taken)
            << c.from << " key " << static_cast<int>(c.key);
        EXPECT_EQ(platform.calls, c.calls) << c.from << " key " << static_cast<int>(c.key);
    }
}

// Would catch: the hand-back of a page going to a control that does not show
// (after the main pane, 按钮1..6 come; their group box is hidden here).
TEST(WindowKeys, FocusMovesOnlyAmongControlsThatShowNow) {
    RecordingPlatform platform;
    NoEvents events;
    ASSERT_TRUE(BuildMainWindow(platform, TheMainWindowLayout(), {0, 0}, events));
    platform.SetControlShown(GbkFromHex("B7D6D7E9BFF232"), false);  // 分组框2
    platform.focused = GbkFromHex("B3ACCEC4B1BEE4AFC0C0BFF231");    // 超文本浏览框1
    platform.calls.clear();
    MoveFocusAlong(platform, TheMainWindowLayout(), true);
    EXPECT_EQ(platform.calls, std::vector<std::string>{
                                  "FocusControl " + GbkFromHex("B3ACBCB6B0B4C5A531") + " forward"});
}

}  // namespace
}  // namespace dorvane
