// The window's settings and its 78 control rows. The rows other than the
// thumbnails are written out; the sixty thumbnail rows are made from the
// thumbnail table (layout/thumbnails) and slotted into the table order by
// ThumbnailRuns.
#include <array>
#include <cstddef>
#include <optional>

#include "core/program_values.h"
#include "layout/embedded_pictures.h"
#include "layout/main_window_layout.h"
#include "layout/thumbnails.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {
namespace {

constexpr std::string_view Caption =
    "DorvaneV6.0 TamselQQ" DORVANE_AUTHOR_CONTACT_NUMBER " " DORVANE_CAPTION_ADVERTISEMENT;
constexpr std::string_view PanelCaption = "点击下面QQ秀图片即可免费试穿";
// clang-format off
constexpr std::string_view NoticeLabelText =
    "直接点击QQ秀试穿-保存 (若保存不了可能Q秀已失效)" "\r\n\r\n"
    "有疑问联系作者QQ" DORVANE_AUTHOR_CONTACT_NUMBER;
// clang-format on

// Looks shared by every control of a kind. Every colour is spelled out: the
// default one is the system's 3-D face colour.
constexpr Colour DefaultColour = std::nullopt;
constexpr KindSettings GroupBoxLook{
    .textColour = Rgb{0, 0, 0}, .backColour = DefaultColour, .captionLeft = true, .pane = {}};
constexpr KindSettings PushButtonLook{
    .textColour = DefaultColour, .backColour = DefaultColour, .multiline = true, .pane = {}};
constexpr KindSettings LabelLook{.textColour = Rgb{255, 0, 0},
                                 .backColour = DefaultColour,
                                 .wordWrap = true,
                                 .verticalCentre = true,
                                 .pane = {}};
constexpr KindSettings ImageButtonLook{.textColour = DefaultColour,
                                       .backColour = DefaultColour,
                                       .border = true,
                                       .flat = true,
                                       .focusRectangle = false,
                                       .transparentFromTopLeft = true,
                                       .pane = {}};
constexpr KindSettings PictureBoxLook{
    .textColour = DefaultColour, .backColour = DefaultColour, .border = true, .pane = {}};
constexpr KindSettings MainPaneLook{.textColour = DefaultColour,
                                    .backColour = DefaultColour,
                                    .pane = {.startAddress = ShowSiteHomeAddress}};
constexpr KindSettings ContactPaneLook{};  // nothing stored: every setting at its default

constexpr std::size_t ControlCount = 78;
constexpr std::size_t OtherControlCount = 18;
constexpr int BoxCount = 60;

// ---- the thumbnails ------------------------------------------------------

constexpr std::int32_t ColumnLefts[4] = {8, 88, 168, 248};
constexpr std::int32_t RowTops[3] = {16, 160, 304};
constexpr std::int32_t BoxWidth = 72;
constexpr std::int32_t BoxHeight = 136;

// A thumbnail's box in its panel's grid cell.
ControlLayout ThumbnailRow(int box) {
    const Thumbnail& thumbnail = Thumbnails()[static_cast<std::size_t>(box - 1)];
    const auto column = static_cast<std::size_t>(thumbnail.column - 1);
    const auto row = static_cast<std::size_t>(thumbnail.row - 1);
    // visible (it shows with its panel), enabled, no tab stop, key 0, no text
    // clang-format off
    return {thumbnail.pictureBox, ControlKind::PictureBox, thumbnail.panel,
            ColumnLefts[column], RowTops[row], BoxWidth, BoxHeight,
            true, true, false, 0, {}, PictureBoxLook,
            Picture{ImageFormat::Jpeg, embedded::Thumbnails[box - 1]},
            EventHandler::ThumbnailPressed};
    // clang-format on
}

// Where the thumbnails stand in the table order: right after the row named
// `after`, boxes `from` down to `to`.
struct ThumbnailRun {
    std::string_view after;
    int from, to;
};
constexpr ThumbnailRun ThumbnailRuns[] = {
    {"意境1", 12, 1},
    {"按钮6", 60, 49},
    {"按钮5", 48, 37},
    {"按钮3", 36, 13},
};

constexpr bool RunsCoverEveryBox() {
    int boxes = 0;
    for (const ThumbnailRun& run : ThumbnailRuns) boxes += run.from - run.to + 1;
    return boxes == BoxCount && OtherControlCount + BoxCount == ControlCount;
}
static_assert(RunsCoverEveryBox());

// ---- the table -----------------------------------------------------------

std::array<ControlLayout, OtherControlCount> OtherRows() {
    using enum ControlKind;
    using enum EventHandler;
    const Picture contactPicture{ImageFormat::Gif,
                                 {embedded::ContactButtonGif, embedded::ContactButtonGif_size}};
    // name, kind, parent, left, top, width, height, visible, enabled, tab stop,
    // tab order key, text, looks, picture, bound event
    // clang-format off
    return {{
        {"意境1", GroupBox, {}, 656, 104, 328, 448, true, true, false, 0, PanelCaption, GroupBoxLook, {}, None},
        {"超文本浏览框2", BrowserPane, "分组框4", 280, 40, 32, 24, false, true, true, 0, {}, ContactPaneLook, {}, None},
        {"超级按钮1", ImageButton, "分组框4", 176, 40, 96, 24, true, true, true, 0, {}, ImageButtonLook, contactPicture, ContactClicked},
        {"标签2", Label, "分组框4", 8, 24, 312, 40, true, true, false, 0, NoticeLabelText, LabelLook, {}, None},
        {"按钮6", PushButton, "分组框2", 216, 64, 96, 24, true, true, true, 0, "全屏QQ秀非免费", PushButtonLook, {}, TypeButtonClicked},
        {"按钮5", PushButton, "分组框2", 112, 64, 96, 24, true, true, true, 0, "免费可爱QQ秀", PushButtonLook, {}, TypeButtonClicked},
        {"按钮4", PushButton, "分组框2", 8, 64, 96, 24, true, true, true, 0, "免费恶搞QQ秀", PushButtonLook, {}, TypeButtonClicked},
        {"按钮3", PushButton, "分组框2", 216, 24, 96, 24, true, true, true, 0, "意境Q秀背景(3)", PushButtonLook, {}, TypeButtonClicked},
        {"分组框4", GroupBox, {}, 656, 552, 328, 72, true, true, false, 0, "温馨提示", GroupBoxLook, {}, None},
        {"按钮2", PushButton, "分组框2", 112, 24, 96, 24, true, true, true, 0, "意境Q秀背景(2)", PushButtonLook, {}, TypeButtonClicked},
        {"按钮1", PushButton, "分组框2", 8, 24, 96, 24, true, true, true, 0, "意境Q秀背景(1)", PushButtonLook, {}, TypeButtonClicked},
        {"分组框2", GroupBox, {}, 656, 0, 328, 104, true, true, false, 0, "选择类型", GroupBoxLook, {}, None},
        {"超文本浏览框1", BrowserPane, "分组框1", 8, 16, 632, 600, true, true, true, 0, {}, MainPaneLook, {}, None},
        {"分组框1", GroupBox, {}, 8, 0, 648, 624, true, true, false, 0, "使用方法:登录-试穿-保存", GroupBoxLook, {}, None},
        {"可爱", GroupBox, {}, 656, 104, 328, 448, false, true, false, 0, PanelCaption, GroupBoxLook, {}, None},
        {"恶搞", GroupBox, {}, 656, 104, 328, 448, false, true, false, 0, PanelCaption, GroupBoxLook, {}, None},
        {"意境3", GroupBox, {}, 656, 104, 328, 448, false, true, false, 0, PanelCaption, GroupBoxLook, {}, None},
        {"意境2", GroupBox, {}, 656, 104, 328, 448, false, true, false, 0, PanelCaption, GroupBoxLook, {}, None},
    }};
    // clang-format on
}

std::array<ControlLayout, ControlCount> AllRows() {
    std::array<ControlLayout, ControlCount> rows{};
    std::size_t next = 0;
    for (const ControlLayout& other : OtherRows()) {
        rows[next++] = other;
        for (const ThumbnailRun& run : ThumbnailRuns) {
            if (run.after != other.name) continue;
            for (int box = run.from; box >= run.to; --box) rows[next++] = ThumbnailRow(box);
        }
    }
    return rows;
}

WindowSettings TheWindowSettings() {
    return {
        .caption = Caption,
        .outerSize = {992, 656},
        .clientSize = {984, 624},
        .storedPlace = {50, 50},
        .fixedFrame = true,
        .minimiseButton = true,
        .maximiseButton = true,
        .systemMenu = true,
        .clipChildren = true,
        .icon = {ImageFormat::Icon, {embedded::IconFile, embedded::IconFile_size}},
    };
}

}  // namespace

const MainWindowLayout& TheMainWindowLayout() {
    // Built on first use: the thumbnail spans are filled in by another
    // translation unit's start-up initialisation, which may run after ours.
    static const std::array<ControlLayout, ControlCount> rows = AllRows();
    static const MainWindowLayout layout{TheWindowSettings(), rows};
    return layout;
}

}  // namespace dorvane
