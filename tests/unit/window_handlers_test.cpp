// The handlers of the window's bound events: type buttons, thumbnails and
// the contact button, against the recording platform.
#include <gtest/gtest.h>

#include "browser/browser_handlers.h"
#include "catalogue/outfit_catalogue.h"
#include "layout/main_window_layout.h"
#include "recording_platform.h"
#include "window/main_window.h"
#include "window/panel_switch.h"

namespace dorvane {
namespace {

using testing::RecordingPlatform;

// Records the visibility writes the window receives, by panel.
class PanelRecorder : public RecordingPlatform {
  public:
    std::vector<PanelWrite> writes;
    void SetControlShown(std::string_view name, bool shown) override {
        writes.push_back({name, shown});
    }
};

struct Fixture {
    PanelRecorder platform;
    ApplicationState state;
    MainWindow window{platform, platform, state};

    const ControlLayout& Row(std::string_view name) {
        const ControlLayout* row = FindControl(TheMainWindowLayout(), name);
        EXPECT_NE(row, nullptr);
        return *row;
    }
};

TEST(PanelSwitch, EachButtonMakesFiveWritesInPanelOrderWithOneShown) {
    for (int k = 1; k <= 5; ++k) {
        const auto writes = PanelSwitch(k);
        for (std::size_t i = 0; i < PanelCount; ++i) {
            EXPECT_EQ(writes[i].panel, PanelOrder()[i]) << "button " << k;
            EXPECT_EQ(writes[i].shown, static_cast<int>(i) + 1 == k) << "button " << k;
        }
    }
}

// Panel order pinned as GBK bytes, so a wrong source charset cannot pass.
TEST(PanelSwitch, PanelOrderIsTheFiveGroupBoxesInGbk) {
    const std::array<std::string_view, 5> expected = {
        "\xD2\xE2\xBE\xB3"
        "1",
        "\xD2\xE2\xBE\xB3"
        "2",
        "\xD2\xE2\xBE\xB3"
        "3",
        "\xB6\xF1\xB8\xE3", "\xBF\xC9\xB0\xAE"};
    EXPECT_EQ(PanelOrder(), expected);
}

// Clicking any sequence of buttons 1..5 leaves only the last one's panel
// visible, and always five writes, even when nothing changes.
TEST(TypeButtons, AnySequenceLeavesTheLastClickedPanelVisible) {
    Fixture f;
    const std::vector<int> clicks = {4, 4, 1, 5, 2, 2, 3, 5};
    for (int k : clicks) {
        f.platform.writes.clear();
        const std::string button = "\xB0\xB4\xC5\xA5" + std::to_string(k);  // 按钮k
        f.window.ControlEvent(f.Row(button));
        ASSERT_EQ(f.platform.writes.size(), 5u) << "button " << k;
        const auto expected = PanelSwitch(k);
        EXPECT_EQ(f.platform.writes, std::vector<PanelWrite>(expected.begin(), expected.end()));
        for (std::size_t i = 0; i < PanelCount; ++i) {
            EXPECT_EQ(f.window.PanelVisible(PanelOrder()[i]), static_cast<int>(i) + 1 == k);
        }
    }
}

TEST(TypeButtons, StartStateIsTheFirstPanelOnly) {
    Fixture f;
    for (std::size_t i = 0; i < PanelCount; ++i) {
        EXPECT_EQ(f.window.PanelVisible(PanelOrder()[i]), i == 0);
    }
}

// 按钮6 shows the notice and writes no panel. Caption 非诚勿扰 and text pinned as GBK.
TEST(TypeButtons, SixthButtonShowsTheNoticeAndLeavesThePanels) {
    Fixture f;
    f.window.ControlEvent(
        f.Row("\xB0\xB4\xC5\xA5"
              "3"));
    f.platform.writes.clear();
    f.window.ControlEvent(
        f.Row("\xB0\xB4\xC5\xA5"
              "6"));

    EXPECT_TRUE(f.platform.writes.empty());
    EXPECT_TRUE(f.window.PanelVisible(PanelOrder()[2]));
    EXPECT_EQ(f.platform.noticeCaption, "\xB7\xC7\xB3\xCF\xCE\xF0\xC8\xC5");
    EXPECT_EQ(f.platform.noticeText,
              "\xB4\xFA\xD7\xF6\xD5\xE6\xC8\xCB\xD0\xE3,\xC1\xAA\xCF\xB5TamselQQ2839475610"
              "(Tamsel\xCA\xC7\xD7\xF6\xC9\xFA\xD2\xE2,\xB2\xBB\xCA\xC7\xD7\xF6\xB4\xC8\xC9\xC6)");
}

// A press navigates the main pane to the box's own address; the contact
// button reaches only the hidden pane, and never with an outfit address.
TEST(BrowsingHandlers, ThumbnailAndContactGoToTheirOwnPanes) {
    Fixture f;
    const std::string box41 =
        "\xCD\xBC\xC6\xAC\xBF\xF2"
        "41";  // 图片框41
    f.window.ControlEvent(f.Row(box41));
    f.window.ControlEvent(
        f.Row("\xB3\xAC\xBC\xB6\xB0\xB4\xC5\xA5"
              "1"));  // 超级按钮1
    f.window.ControlEvent(
        f.Row("\xB3\xAC\xBC\xB6\xB0\xB4\xC5\xA5"
              "1"));

    const std::string mainPane =
        "\xB3\xAC\xCE\xC4\xB1\xBE\xE4\xAF\xC0\xC0\xBF\xF2"
        "1";
    const std::string contactPane =
        "\xB3\xAC\xCE\xC4\xB1\xBE\xE4\xAF\xC0\xC0\xBF\xF2"
        "2";
    const std::vector<std::string> expected = {
        "Navigate " + mainPane + " http://show.qq.com/p/f?t=13&i=1122547&u=2046183357",
        "Navigate " + contactPane + " tencent://message/?uin=2839475610",
        "Navigate " + contactPane + " tencent://message/?uin=2839475610",
    };
    EXPECT_EQ(f.platform.calls, expected);
}

// Every thumbnail row of the layout reaches the catalogue: sixty presses,
// sixty different addresses, all to the main pane.
TEST(BrowsingHandlers, EveryThumbnailNavigatesToItsEntry) {
    Fixture f;
    int thumbnails = 0;
    for (const ControlLayout& row : TheMainWindowLayout().controls) {
        if (row.handler != EventHandler::ThumbnailPressed) continue;
        ++thumbnails;
        f.platform.calls.clear();
        f.window.ControlEvent(row);
        const OutfitEntry* entry = CatalogueLookup(row.name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(f.platform.calls,
                  std::vector<std::string>{"Navigate " + std::string(MainPaneName()) + " " +
                                           OutfitAddress(*entry)});
    }
    EXPECT_EQ(thumbnails, 60);
}

TEST(BrowsingHandlers, TextSizeIsClampedIntoTheFiveSizes) {
    const std::vector<std::pair<int, int>> cases = {{-3, 0}, {0, 0}, {2, 2}, {4, 4}, {7, 4}};
    for (auto [given, applied] : cases) EXPECT_EQ(ClampTextSize(given), applied) << given;
}

}  // namespace
}  // namespace dorvane
