// The window layout's rows and its queries. Names and texts are GBK bytes in
// the program while this file is UTF-8, so they are spelled here in hex.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/program_values.h"
#include "gbk_hex.h"
#include "layout/embedded_pictures.h"
#include "layout/main_window_layout.h"

namespace dorvane {
namespace {

std::string Gbk(std::string_view hex) {
    return testing::GbkFromHex(hex);
}

using testing::Box;
using testing::Egao;
using testing::Keai;
using testing::Yijing1;
using testing::Yijing2;
using testing::Yijing3;
const std::string Group1 = Gbk("B7D6D7E9BFF231");                // 分组框1
const std::string Group2 = Gbk("B7D6D7E9BFF232");                // 分组框2
const std::string Group4 = Gbk("B7D6D7E9BFF234");                // 分组框4
const std::string Browser1 = Gbk("B3ACCEC4B1BEE4AFC0C0BFF231");  // 超文本浏览框1
const std::string Browser2 = Gbk("B3ACCEC4B1BEE4AFC0C0BFF232");  // 超文本浏览框2
const std::string Contact = Gbk("B3ACBCB6B0B4C5A531");           // 超级按钮1
const std::string Label2 = Gbk("B1EAC7A932");                    // 标签2

std::string Button(int number) {
    return Gbk("B0B4C5A5") + std::to_string(number);
}  // 按钮n

const std::vector<std::string> Panels = {Yijing1, Yijing2, Yijing3, Egao, Keai};

std::vector<std::string> BoxesDown(int from, int to) {
    std::vector<std::string> names;
    for (int box = from; box >= to; --box) names.push_back(Box(box));
    return names;
}

std::vector<std::string> Names(const std::vector<const ControlLayout*>& controls) {
    std::vector<std::string> names;
    for (const ControlLayout* control : controls) names.emplace_back(control->name);
    return names;
}

const MainWindowLayout& Layout() {
    return TheMainWindowLayout();
}

const ControlLayout& Control(const std::string& name) {
    const ControlLayout* control = FindControl(Layout(), name);
    if (control == nullptr) throw std::runtime_error("no control " + name);
    return *control;
}

// ---- the table as a whole: a row lost, doubled or misplaced shows here ----

TEST(LayoutTable, RowsStandInTheirStackingOrder) {
    std::vector<std::string> expected = {Yijing1};
    auto add = [&expected](const std::vector<std::string>& names) {
        expected.insert(expected.end(), names.begin(), names.end());
    };
    add(BoxesDown(12, 1));
    add({Browser2, Contact, Label2, Button(6)});
    add(BoxesDown(60, 49));
    add({Button(5)});
    add(BoxesDown(48, 37));
    add({Button(4), Button(3)});
    add(BoxesDown(36, 13));
    add({Group4, Button(2), Button(1), Group2, Browser1, Group1, Keai, Egao, Yijing3, Yijing2});

    std::vector<std::string> actual;
    for (const ControlLayout& control : Layout().controls) actual.emplace_back(control.name);
    EXPECT_EQ(actual, expected);
}

TEST(LayoutTable, NamesAreUniqueAndParentsAreGroupBoxesOfTheTable) {
    std::set<std::string_view> names;
    for (const ControlLayout& control : Layout().controls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        if (control.parent.empty()) continue;
        const ControlLayout* parent = FindControl(Layout(), control.parent);
        ASSERT_NE(parent, nullptr) << control.name;
        EXPECT_EQ(parent->kind, ControlKind::GroupBox) << control.name;
        EXPECT_TRUE(parent->parent.empty()) << "group boxes stand on the window: " << parent->name;
    }
}

TEST(LayoutTable, EveryControlFitsTheClientAreaWhichIsJustLargeEnough) {
    const Size client = Layout().window.clientSize;
    std::int32_t right = 0, bottom = 0;
    for (const ControlLayout& control : Layout().controls) {
        const Point place = PlaceInWindow(Layout(), control);
        EXPECT_GE(place.x, 0) << control.name;
        EXPECT_GE(place.y, 0) << control.name;
        EXPECT_LE(place.x + control.width, client.width) << control.name;
        EXPECT_LE(place.y + control.height, client.height) << control.name;
        right = std::max(right, place.x + control.width);
        bottom = std::max(bottom, place.y + control.height);
    }
    EXPECT_EQ((Size{right, bottom}), (Size{984, 624}));
    EXPECT_EQ(client, (Size{984, 624}));
}

TEST(LayoutTable, TheFivePanelsLieOnOneRectangle) {
    for (const std::string& panel : Panels) {
        const ControlLayout& control = Control(panel);
        EXPECT_EQ(control.kind, ControlKind::GroupBox);
        EXPECT_TRUE(control.parent.empty());
        EXPECT_EQ((std::vector{control.left, control.top, control.width, control.height}),
                  (std::vector<std::int32_t>{656, 104, 328, 448}))
            << panel;
    }
}

TEST(LayoutTable, EveryControlIsEnabledWithKeyZero) {
    for (const ControlLayout& control : Layout().controls) {
        EXPECT_TRUE(control.enabled) << control.name;
        EXPECT_EQ(control.tabOrderKey, 0) << control.name;
    }
}

// ---- queries on the real table ----

TEST(LayoutQueries, FindControlGivesNoneForUnknownNames) {
    for (const std::string& name :
         {Box(61), Box(0), Button(7), std::string(), std::string("按钮1")}) {
        EXPECT_EQ(FindControl(Layout(), name), nullptr) << name;
    }
}

TEST(LayoutQueries, ChildrenOfEachGroupBoxInTableOrder) {
    struct Case {
        std::string groupBox;
        std::vector<std::string> children;
    };
    const Case cases[] = {
        {Group1, {Browser1}},
        {Group2, {Button(6), Button(5), Button(4), Button(3), Button(2), Button(1)}},
        {Group4, {Browser2, Contact, Label2}},
        {Yijing1, BoxesDown(12, 1)},
        {Yijing2, BoxesDown(24, 13)},
        {Yijing3, BoxesDown(36, 25)},
        {Egao, BoxesDown(48, 37)},
        {Keai, BoxesDown(60, 49)},
        {Box(1), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(ChildrenOf(Layout(), c.groupBox)), c.children) << c.groupBox;
}

// a box's window place adds its panel's corner; boxes out of grid order catch a
// place computed from the box number
TEST(LayoutQueries, PlacesInTheWindow) {
    struct Case {
        std::string name;
        Point place;
    };
    const Case cases[] = {
        {Box(33), {664, 408}},  {Box(29), {664, 264}}, {Box(48), {664, 408}},
        {Box(45), {904, 408}},  {Box(1), {664, 120}},  {Box(21), {664, 264}},
        {Box(17), {664, 408}},  {Box(60), {904, 408}}, {Browser2, {936, 592}},
        {Contact, {832, 592}},  {Label2, {664, 576}},  {Button(6), {872, 64}},
        {Button(1), {664, 24}}, {Browser1, {16, 16}},  {Group1, {8, 0}},
        {Yijing1, {656, 104}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceInWindow(Layout(), Control(c.name)), c.place) << c.name;
}

TEST(LayoutQueries, OnlyTheFirstPanelAndItsBoxesShowAtStart) {
    for (int box = 1; box <= 60; ++box) {
        EXPECT_TRUE(Control(Box(box)).visible) << box;  // hidden only through the panel
        EXPECT_EQ(ShowsAtStart(Layout(), Control(Box(box))), box <= 12) << box;
    }
    for (const std::string& panel : Panels) {
        EXPECT_EQ(ShowsAtStart(Layout(), Control(panel)), panel == Yijing1) << panel;
    }
    EXPECT_FALSE(ShowsAtStart(Layout(), Control(Browser2)));
    for (const std::string& name :
         {Browser1, Contact, Label2, Group1, Group2, Group4, Button(1), Button(6)}) {
        EXPECT_TRUE(ShowsAtStart(Layout(), Control(name))) << name;
    }
}

TEST(LayoutQueries, StartPlaceCentresTruncatingTowardZero) {
    struct Case {
        Size screen;
        Point place;
    };
    const Case cases[] = {
        {{1024, 768}, {16, 56}},
        {{799, 600}, {-96, -28}},  // -193 / 2: toward zero, not down to
                                   // -97
        {{992, 656}, {0, 0}},
        {{993, 657}, {0, 0}},
        {{1920, 1080}, {464, 212}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartPlace(Layout(), c.screen), c.place) << c.screen.width;
}

// ---- focus ----

const std::vector<std::string>& StartOrder() {
    static const std::vector<std::string> order = {Browser1,  Button(1), Button(2), Button(3),
                                                   Button(4), Button(5), Button(6), Contact};
    return order;
}

TEST(FocusOrder, AtStartTiesGoByReverseTableOrder) {
    EXPECT_EQ(Names(StartFocusOrder(Layout())), StartOrder());
}

TEST(FocusOrder, FollowsWhatShowsNow) {
    // were the contact pane showing, it would stand last (it is early in the table)
    std::vector<std::string> everything = StartOrder();
    everything.push_back(Browser2);
    EXPECT_EQ(Names(FocusOrder(Layout(), [](const ControlLayout&) { return true; })), everything);

    // a hidden candidate drops out, the rest keep their order
    const auto withoutButton3 = [](const ControlLayout& control) {
        return ShowsAtStart(TheMainWindowLayout(), control) && control.name != Button(3);
    };
    std::vector<std::string> expected = StartOrder();
    std::erase(expected, Button(3));
    EXPECT_EQ(Names(FocusOrder(Layout(), withoutButton3)), expected);
}

// every real key is 0, so this small table catches a key sort that is missing
// or reversed, and a tie order that is not reversed
TEST(FocusOrder, AscendingKeyBeforeReverseTableOrder) {
    auto row = [](std::string_view name, std::int32_t key, bool tabStop, bool enabled) {
        return ControlLayout{
            name, ControlKind::PushButton, {}, 0, 0, 10, 10, true, enabled, tabStop, key, {}, {},
            {},   EventHandler::None};
    };
    const ControlLayout rows[] = {
        row("a", 2, true, true),   row("b", 1, true, true),   row("c", 1, true, true),
        row("d", -1, false, true), row("e", -1, true, false), row("f", 2, true, true),
    };
    const MainWindowLayout small{{}, rows};
    EXPECT_EQ(Names(StartFocusOrder(small)), (std::vector<std::string>{"c", "b", "f", "a"}));
}

TEST(FocusOrder, MoveFocusWraps) {
    const auto order = StartFocusOrder(Layout());
    struct Case {
        std::string from;
        bool forward;
        std::string to;
    };
    const Case cases[] = {
        {Contact, true, Browser1},   // Tab from the last wraps to the first
        {Browser1, false, Contact},  // Shift+Tab from the first wraps to the last
        {Button(6), true, Contact},   {Button(1), true, Button(2)},
        {Button(1), false, Browser1}, {Browser2, true, Browser1},  // not a candidate: the first one
        {Browser2, false, Browser1},  {std::string(), true, Browser1},
    };
    for (const Case& c : cases) {
        const ControlLayout* next = MoveFocus(order, c.from, c.forward);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->name, c.to) << c.from << (c.forward ? " Tab" : " Shift+Tab");
    }
    EXPECT_EQ(MoveFocus({}, Browser1, true), nullptr);
}

// ---- keys ----

TEST(KeyRule, Table) {
    const Modifiers none{}, shift{.shift = true}, ctrl{.ctrl = true}, alt{.alt = true};
    struct Case {
        Key key;
        Modifiers modifiers;
        std::string focused;  // empty: the window itself
        KeyAction action;
    };
    const Case cases[] = {
        {Key::Escape, none, Button(1), KeyAction::CloseWindow},
        {Key::Escape, none, std::string(), KeyAction::CloseWindow},
        {Key::Escape, none, Browser1, KeyAction::CloseWindow},
        {Key::Escape, shift, Button(1), KeyAction::PassOn},
        {Key::Escape, ctrl, Button(1), KeyAction::PassOn},
        {Key::Escape, alt, Browser1, KeyAction::PassOn},
        {Key::Tab, none, Button(1), KeyAction::FocusNext},
        {Key::Tab, shift, Contact, KeyAction::FocusPrevious},
        {Key::Tab, none, std::string(), KeyAction::FocusNext},
        {Key::Tab, ctrl, Button(1), KeyAction::PassOn},
        {Key::Tab, alt, Button(1), KeyAction::PassOn},
        {Key::Enter, none, Button(1), KeyAction::Swallow},  // no default button: no click
        {Key::Enter, none, Contact, KeyAction::Swallow},
        {Key::F1, none, Button(3), KeyAction::Swallow},
        {Key::Other, none, Button(1), KeyAction::PassOn},
        {Key::Other, ctrl, std::string(), KeyAction::PassOn},
        // the page gets everything but Esc
        {Key::Tab, none, Browser1, KeyAction::PassOn},
        {Key::Tab, shift, Browser2, KeyAction::PassOn},
        {Key::Enter, none, Browser1, KeyAction::PassOn},
        {Key::F1, none, Browser1, KeyAction::PassOn},
    };
    for (const Case& c : cases) {
        const ControlLayout* focused = c.focused.empty() ? nullptr : &Control(c.focused);
        EXPECT_EQ(KeyRule(c.key, c.modifiers, focused), c.action)
            << "key " << static_cast<int>(c.key) << " on " << c.focused;
    }
}

// ---- texts, looks, pictures and handlers ----

TEST(LayoutTexts, PinnedAsGbkBytes) {
    EXPECT_EQ(Layout().window.caption,
              "DorvaneV6.0 TamselQQ2839475610 " + Gbk("B9D9B7BDCDF8D5BE") +
                  " http://www.dorvane.example");  // 官方网站
    EXPECT_EQ(Control(Label2).text,
              Gbk("D6B1BDD3B5E3BBF75151D0E3CAD4B4A92DB1A3B4E62028C8F4B1A3B4E6B2BBC1CBBFC9C4DC51D0E3"
                  "D2D1CAA7D0A729") +  // 直接点击QQ秀试穿-保存 (若保存不了可能Q秀已失效)
                  "\r\n\r\n" +
                  Gbk("D3D0D2C9CECAC1AACFB5D7F7D5DF5151") +  // 有疑问联系作者QQ
                  "2839475610");
    EXPECT_EQ(Control(Button(6)).text, Gbk("C8ABC6C15151D0E3B7C7C3E2B7D1"));  // 全屏QQ秀非免费
    const std::string panelCaption = Gbk(
        "B5E3BBF7CFC2C3E65151D0E3CDBCC6ACBCB4BFC9C3E2B7D1CAD4B4A9");  // 点击下面QQ秀图片即可免费试穿
    for (const std::string& panel : Panels) EXPECT_EQ(Control(panel).text, panelCaption) << panel;
    for (const std::string& empty : {Browser1, Browser2, Contact, Box(1), Box(60)}) {
        EXPECT_TRUE(Control(empty).text.empty()) << empty;
    }
}

TEST(LayoutLooks, EachKindCarriesItsSettings) {
    for (const ControlLayout& control : Layout().controls) {
        const KindSettings& look = control.settings;
        EXPECT_FALSE(look.backColour.has_value()) << control.name;
        EXPECT_FALSE(look.defaultButton) << control.name;
        switch (control.kind) {
            case ControlKind::GroupBox:
                EXPECT_EQ(look.textColour, (Rgb{0, 0, 0})) << control.name;
                EXPECT_TRUE(look.captionLeft) << control.name;
                EXPECT_FALSE(control.tabStop) << control.name;
                EXPECT_EQ(control.handler, EventHandler::None) << control.name;
                break;
            case ControlKind::PushButton:
                EXPECT_TRUE(look.multiline) << control.name;
                EXPECT_TRUE(control.tabStop) << control.name;
                EXPECT_EQ(control.handler, EventHandler::TypeButtonClicked) << control.name;
                EXPECT_EQ(control.image.format, ImageFormat::None) << control.name;
                break;
            case ControlKind::PictureBox:
                EXPECT_TRUE(look.border) << control.name;
                EXPECT_FALSE(control.tabStop) << control.name;
                EXPECT_EQ(control.handler, EventHandler::ThumbnailPressed) << control.name;
                EXPECT_EQ(control.image.format, ImageFormat::Jpeg) << control.name;
                EXPECT_EQ((Size{control.width, control.height}), (Size{72, 136})) << control.name;
                break;
            case ControlKind::Label:
                EXPECT_EQ(look.textColour, (Rgb{255, 0, 0}));
                EXPECT_TRUE(look.wordWrap);
                EXPECT_TRUE(look.verticalCentre);
                EXPECT_FALSE(look.border);
                EXPECT_EQ(control.handler, EventHandler::None);
                break;
            case ControlKind::ImageButton:
                EXPECT_TRUE(look.flat);
                EXPECT_TRUE(look.border);
                EXPECT_FALSE(look.focusRectangle);
                EXPECT_TRUE(look.transparentFromTopLeft);
                EXPECT_EQ(control.handler, EventHandler::ContactClicked);
                break;
            case ControlKind::BrowserPane:
                EXPECT_EQ(control.handler, EventHandler::None);
                break;
        }
    }
    int labels = 0, imageButtons = 0, panes = 0, buttons = 0;
    for (const ControlLayout& control : Layout().controls) {
        labels += control.kind == ControlKind::Label;
        imageButtons += control.kind == ControlKind::ImageButton;
        panes += control.kind == ControlKind::BrowserPane;
        buttons += control.kind == ControlKind::PushButton;
    }
    EXPECT_EQ((std::vector{labels, imageButtons, panes, buttons}), (std::vector{1, 1, 2, 6}));
}

TEST(LayoutLooks, PaneSettings) {
    const PaneSettings& main = Control(Browser1).settings.pane;
    EXPECT_EQ(main.startAddress, "http://show.qq.com");
    EXPECT_EQ(main.textSize, 2);
    EXPECT_FALSE(main.offline);
    EXPECT_FALSE(main.silent);

    const PaneSettings& contact = Control(Browser2).settings.pane;
    EXPECT_TRUE(contact.startAddress.empty());
    EXPECT_EQ(contact.textSize, 2);
    EXPECT_FALSE(contact.offline);
    EXPECT_FALSE(contact.silent);
    EXPECT_FALSE(Control(Browser2).visible);
    EXPECT_TRUE(Control(Browser2).tabStop);
}

bool SameBytes(std::span<const std::uint8_t> shown, const std::uint8_t* data, std::size_t size) {
    return shown.data() == data && shown.size() == size && size > 0;
}

TEST(LayoutPictures, EachRowCarriesItsOwnBytes) {
    for (int box = 1; box <= 60; ++box) {
        const auto& expected = embedded::Thumbnails[box - 1];
        EXPECT_TRUE(SameBytes(Control(Box(box)).image.bytes, expected.data(), expected.size()))
            << box;
    }
    const Picture& contact = Control(Contact).image;
    EXPECT_EQ(contact.format, ImageFormat::Gif);
    EXPECT_TRUE(
        SameBytes(contact.bytes, embedded::ContactButtonGif, embedded::ContactButtonGif_size));

    const Picture& icon = Layout().window.icon;
    EXPECT_EQ(icon.format, ImageFormat::Icon);
    EXPECT_TRUE(SameBytes(icon.bytes, embedded::IconFile, embedded::IconFile_size));
    for (const std::string& name : {Browser1, Label2, Group1, Yijing1, Button(2)}) {
        EXPECT_TRUE(Control(name).image.bytes.empty()) << name;
    }
}

TEST(LayoutWindow, Settings) {
    const WindowSettings& window = Layout().window;
    EXPECT_EQ(window.outerSize, (Size{992, 656}));
    EXPECT_EQ(window.storedPlace, (Point{50, 50}));
    EXPECT_TRUE(window.fixedFrame);
    EXPECT_TRUE(window.minimiseButton);
    EXPECT_TRUE(window.maximiseButton);
    EXPECT_TRUE(window.systemMenu);
    EXPECT_TRUE(window.clipChildren);
}

}  // namespace
}  // namespace dorvane
