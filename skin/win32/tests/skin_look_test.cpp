// What the Windows engine makes of a skin before it paints: the style sheet's
// values, the rule order that decides each box, and the box as pixels. Plain
// C++, so these run with the Linux edition's tests too.
#include "skin_look.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "skin_raster.h"
#include "skin_reader.h"

namespace dorvane::skin {
namespace {

// A wrong channel order or a lost alpha would paint every control wrong.
TEST(SkinLookColour, ReadsTheFormsTheSkinUses) {
    const struct {
        std::string_view text;
        bool ok;
        std::uint32_t argb;
        std::string_view rest;
    } cases[] = {
        {"#fdeef5", true, 0xFFFDEEF5, ""},
        {"#abc;", true, 0xFFAABBCC, ";"},
        {"#80aabbcc", true, 0x80AABBCC, ""},  // Qt's #AARRGGBB
        {"rgba(255, 250, 253, 215)", true, 0xD7FFFAFD, ""},
        {"rgb(1,2,3) x", true, 0xFF010203, " x"},
        {"transparent", true, 0, ""},
        {"  #000000", true, 0xFF000000, ""},
        {"#12345", false, 0, ""},
        {"rgba(1, 2)", false, 0, ""},
        {"rgb(1, 2, 3", false, 0, ""},
        {"", false, 0, ""},
        {"pink", false, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string_view text = c.text;
        std::uint32_t argb = 0;
        ASSERT_EQ(ReadColour(text, argb), c.ok);
        if (c.ok) {
            EXPECT_EQ(argb, c.argb);
            EXPECT_EQ(text, c.rest);
        }
    }
}

// Each property the painter relies on, and values that must not be taken.
TEST(SkinLookDeclarations, ReadBordersGradientsAndSpacing) {
    Box box;
    ReadDeclarations(
        "border: 1px dashed #ec97c0; border-radius: 6px; padding: 0px 6px;"
        "margin-top: 8px; left: 10px; color: #5a1e45",
        box);
    EXPECT_EQ(box.borderWidth, 1);
    EXPECT_TRUE(box.dashed);
    EXPECT_EQ(box.borderColour, 0xFFEC97C0u);
    EXPECT_EQ(box.radius, 6);
    EXPECT_EQ(box.paddingY, 0);
    EXPECT_EQ(box.paddingX, 6);
    EXPECT_EQ(box.marginTop, 8);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.text, 0xFF5A1E45u);

    // commas inside rgba() must not split the gradient's stops
    ReadDeclarations(
        "background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0,"
        " stop: 0 rgba(255, 250, 253, 215), stop: 1 #ece2ff); border: none",
        box);
    ASSERT_EQ(box.fill.count, 2);
    EXPECT_TRUE(box.fill.horizontal);
    EXPECT_EQ(box.fill.stops[0].argb, 0xD7FFFAFDu);
    EXPECT_FLOAT_EQ(box.fill.stops[1].at, 1.0f);
    EXPECT_EQ(box.borderWidth, 0);
    EXPECT_EQ(box.borderColour, 0xFFEC97C0u) << "border: none keeps the colour set before";

    Box untouched;
    ReadDeclarations("border-radius: -3px; background: qlineargradient(stop: 0); color: red",
                     untouched);
    EXPECT_EQ(untouched.set, 0) << "nothing it could not read counts as set";
}

TEST(SkinLookFill, InterpolatesBetweenStopsAndHoldsBeyondThem) {
    Fill fill;
    fill.count = 3;
    fill.stops[0] = {0, 0xFF000000};
    fill.stops[1] = {0.5f, 0xFF6400C8};
    fill.stops[2] = {1, 0x00FFFFFF};
    const struct {
        float at;
        std::uint32_t argb;
    } cases[] = {
        {-1, 0xFF000000},    {0, 0xFF000000}, {0.25f, 0xFF320064}, {0.5f, 0xFF6400C8},
        {0.75f, 0x80B280E4}, {1, 0x00FFFFFF}, {2, 0x00FFFFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fill.ColourAt(c.at), c.argb) << c.at;
    }
    EXPECT_EQ(Fill{}.ColourAt(0.5f), 0u) << "no fill is transparent";

    // stops a hostile sheet places beyond float range still give colours
    Box far;
    ReadDeclarations("background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 1" +
                         std::string(60, '9') + " #ffffff, stop: 2" + std::string(60, '9') +
                         " #000000)",
                     far);
    ASSERT_EQ(far.fill.count, 2);
    EXPECT_EQ(far.fill.ColourAt(0.5f), 0xFFFFFFFFu);
}

TEST(SkinLookOver, BlendsByTheTopColoursAlpha) {
    EXPECT_EQ(Over(0x00FFFFFF, 0xFF102030), 0xFF102030u);
    EXPECT_EQ(Over(0xFFFFFFFF, 0xFF102030), 0xFFFFFFFFu);
    EXPECT_EQ(Over(0x80FFFFFF, 0xFF000000), 0xFF808080u);
}

std::vector<std::uint8_t> CarriedSkin() {
    std::ifstream in(DORVANE_ASSETS_DIR "/kiss.she", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The carried skin's boxes: which rule wins where several match.
TEST(SkinLookCarriedSkin, EachBoxTakesTheRulesThatMatchItInOrder) {
    const ReadResult read = ReadSkinFile(CarriedSkin(), "");
    ASSERT_EQ(read.error, ReadError::None);
    Look look;
    MakeLook(read.theme, look);
    const auto& normal = look.button[static_cast<int>(ButtonState::Normal)];
    const auto& hover = look.button[static_cast<int>(ButtonState::Hover)];
    const auto& pressed = look.button[static_cast<int>(ButtonState::Pressed)];
    const auto& flat = look.flatButton[static_cast<int>(ButtonState::Normal)];
    const auto& flatHover = look.flatButton[static_cast<int>(ButtonState::Hover)];
    const struct {
        const char* what;
        std::uint32_t got, want;
    } cases[] = {
        {"window colour", look.Colour(PaletteRole::Window), 0xFFFDEEF5},
        {"button text", normal.text, 0xFF5A1E45},
        {"button top", normal.fill.ColourAt(0), 0xFFFFF0F7},
        {"button bottom", normal.fill.ColourAt(1), 0xFFF3A6CA},
        {"button radius", static_cast<std::uint32_t>(normal.radius), 9},
        {"hover border", hover.borderColour, 0xFFC9609A},
        {"hover keeps the text", hover.text, 0xFF5A1E45},
        {"pressed top", pressed.fill.ColourAt(0), 0xFFEC94BD},
        {"flat over gradient", static_cast<std::uint32_t>(flat.fill.count), 1},
        {"flat fill", flat.fill.ColourAt(0), 0xFFFFF4FA},
        {"flat radius", static_cast<std::uint32_t>(flat.radius), 4},
        {"flat hover over plain hover", flatHover.fill.ColourAt(0), 0xFFFDE0EE},
        {"focus border", look.focusBorder, 0xFF9B7FD4},
        {"group margin", static_cast<std::uint32_t>(look.groupBox.marginTop), 8},
        {"group top", look.groupBox.fill.ColourAt(0), 0xD7FFFAFD},
        {"title left", static_cast<std::uint32_t>(look.groupTitle.left), 10},
        {"title runs across", look.groupTitle.fill.horizontal ? 1u : 0u, 1},
        {"label card", look.label.fill.ColourAt(0), 0xB9FFFFFF},
        {"label dashed", look.label.dashed ? 1u : 0u, 1},
        {"message text has no card", look.messageText.fill.ColourAt(0), 0},
        {"message text has no border", static_cast<std::uint32_t>(look.messageText.borderWidth), 0},
        {"disabled text", look.disabledText, 0xFFB497A9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.got, c.want) << c.what;
    }
    ASSERT_NE(look.tile, nullptr);
    EXPECT_EQ(look.tile->width, 64);
}

TEST(SkinLookPlainTheme, FallsBackToThePaletteAlone) {
    Theme theme;
    theme.palette.push_back({PaletteRole::Button, PaletteGroup::All, 0xFF123456});
    theme.palette.push_back({PaletteRole::Button, PaletteGroup::Disabled, 0xFF999999});
    Look look;
    MakeLook(theme, look);
    EXPECT_EQ(look.button[0].fill.ColourAt(0), 0xFF123456u)
        << "the disabled group is not the button's";
    EXPECT_EQ(look.tile, nullptr);
    EXPECT_EQ(look.groupBox.borderWidth, 1);
}

// Pixels of a rasterised box: corners, border, dashes, the fill's alpha.
TEST(SkinRaster, PaintsRoundedBordersDashesAndPremultipliedFill) {
    Box box;
    box.fill.count = 1;
    box.fill.stops[0] = {0, 0xFF204060};
    box.borderWidth = 1;
    box.borderColour = 0xFFFF0000;
    box.radius = 6;
    const int w = 40, h = 20;
    std::vector<std::uint32_t> px(w * h, 0xDEADBEEF);
    RasteriseBox(box, w, h, {0, 0, w, h}, px.data());
    const auto at = [&](int x, int y) { return px[static_cast<std::size_t>(y) * w + x]; };
    EXPECT_EQ(at(0, 0), 0u) << "outside the rounded corner";
    EXPECT_EQ(at(20, 0), 0xFFFF0000u) << "top edge";
    EXPECT_EQ(at(0, 10), 0xFFFF0000u) << "left edge";
    EXPECT_EQ(at(20, 10), 0xFF204060u) << "inside";
    EXPECT_GT(at(2, 2) >> 24, 0u);
    EXPECT_LT(at(1, 1) >> 24, 255u) << "the corner is smoothed";

    box.dashed = true;
    RasteriseBox(box, w, h, {0, 0, w, h}, px.data());
    EXPECT_EQ(at(8, 0), 0xFFFF0000u) << "a dash";
    EXPECT_EQ(at(10, 0), 0xFF204060u) << "a gap shows the fill";

    Box glass;
    glass.fill.count = 1;
    glass.fill.stops[0] = {0, 0x80FFFFFF};
    glass.radius = 100;  // more than half the box: a pill, not a failure
    RasteriseBox(glass, w, h, {0, 0, w, h}, px.data());
    EXPECT_EQ(at(20, 10), 0x80808080u) << "premultiplied";
    EXPECT_EQ(at(0, 0), 0u);
    EXPECT_FALSE(IsVisible(Box{}));

    // a part is the same pixels as the whole has there
    std::vector<std::uint32_t> whole(w * h), part(5 * 4);
    RasteriseBox(box, w, h, {0, 0, w, h}, whole.data());
    RasteriseBox(box, w, h, {30, 14, 5, 4}, part.data());
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(part[y * 5 + x], whole[(14 + y) * w + 30 + x]) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace dorvane::skin
