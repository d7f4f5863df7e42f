// The main window as built from the program's layout: every control by name
// in its place, what shows at start, the stacking, the window's own settings
// and the looks that can be read back from the widgets.
#include "window/main_window_build.h"

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QStringEncoder>
#include <array>

#include "core/program_values.h"
#include "layout/main_window_layout.h"
#include "pictures/jpeg_decoder.h"
#include "platform/qt/face_label.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/thumbnail_box.h"
#include "real_window_fixture.h"

namespace dorvane::test {
namespace {

struct Placed {
    std::string name;
    QString utf8;
    QRect inWindow;
    bool shows;
};

// the places in window coordinates, as the layout's own table states them
const std::vector<Placed>& PinnedPlaces() {
    static const std::vector<Placed> places = {
        {Yijing1, QStringLiteral(u"意境1"), {656, 104, 328, 448}, true},
        {Yijing2, QStringLiteral(u"意境2"), {656, 104, 328, 448}, false},
        {Keai, QStringLiteral(u"可爱"), {656, 104, 328, 448}, false},
        {Browser2, QStringLiteral(u"超文本浏览框2"), {936, 592, 32, 24}, false},
        {Contact, QStringLiteral(u"超级按钮1"), {832, 592, 96, 24}, true},
        {Label2, QStringLiteral(u"标签2"), {664, 576, 312, 40}, true},
        {Button(6), QStringLiteral(u"按钮6"), {872, 64, 96, 24}, true},
        {Button(3), QStringLiteral(u"按钮3"), {872, 24, 96, 24}, true},
        {Button(1), QStringLiteral(u"按钮1"), {664, 24, 96, 24}, true},
        {Group4, QStringLiteral(u"分组框4"), {656, 552, 328, 72}, true},
        {Group2, QStringLiteral(u"分组框2"), {656, 0, 328, 104}, true},
        {Browser1, QStringLiteral(u"超文本浏览框1"), {16, 16, 632, 600}, true},
        {Group1, QStringLiteral(u"分组框1"), {8, 0, 648, 624}, true},
        {Box(1), QStringLiteral(u"图片框1"), {664, 120, 72, 136}, true},
        {Box(12), QStringLiteral(u"图片框12"), {904, 408, 72, 136}, true},
        {Box(13), QStringLiteral(u"图片框13"), {664, 120, 72, 136}, false},
        {Box(29), QStringLiteral(u"图片框29"), {664, 264, 72, 136}, false},
        {Box(33), QStringLiteral(u"图片框33"), {664, 408, 72, 136}, false},
        {Box(45), QStringLiteral(u"图片框45"), {904, 408, 72, 136}, false},
        {Box(48), QStringLiteral(u"图片框48"), {664, 408, 72, 136}, false},
    };
    return places;
}

QRect InWindow(const QWidget* control) {
    return QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size());
}

using MainWindowBuild = RealWindow;

// Would catch: a name not decoded from GBK, a control in the wrong parent or
// place, a hidden panel's boxes showing.
TEST_F(MainWindowBuild, EveryControlStandsInItsPlaceByName) {
    for (const Placed& placed : PinnedPlaces()) {
        QWidget* control = Control(placed.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->objectName(), placed.utf8);
        EXPECT_EQ(InWindow(control), placed.inWindow) << placed.utf8.toStdString();
        EXPECT_EQ(control->isVisible(), placed.shows) << placed.utf8.toStdString();
        EXPECT_EQ(window_->findChild<QWidget*>(placed.utf8), control);
    }
    // and all 78, against the layout's own queries
    const MainWindowLayout& layout = TheMainWindowLayout();
    QStringEncoder toGbk("GBK");
    for (const ControlLayout& row : layout.controls) {
        QWidget* control = Control(std::string(row.name));
        ASSERT_NE(control, nullptr);
        const QByteArray name = toGbk(control->objectName());
        EXPECT_EQ(std::string_view(name.data(), static_cast<std::size_t>(name.size())), row.name);
        const Point place = PlaceInWindow(layout, row);
        EXPECT_EQ(InWindow(control), QRect(place.x, place.y, row.width, row.height));
        EXPECT_EQ(control->isVisible(), ShowsAtStart(layout, row))
            << control->objectName().toStdString();
        EXPECT_TRUE(control->isEnabled());
    }
}

TEST_F(MainWindowBuild, OnlyTheFirstPanelAndItsTwelveBoxesShowAtStart) {
    for (int box = 1; box <= 60; ++box) EXPECT_EQ(Control(Box(box))->isVisible(), box <= 12) << box;
    for (const std::string* panel : {&Yijing2, &Yijing3, &Egao, &Keai}) {
        EXPECT_FALSE(Control(*panel)->isVisible());
    }
    EXPECT_TRUE(Control(Yijing1)->isVisible());
}

// Would catch: stacking left in creation order, so the label would cover the
// contact button.
TEST_F(MainWindowBuild, EarlierRowsLieAboveLaterSiblings) {
    const MainWindowLayout& layout = TheMainWindowLayout();
    for (std::size_t a = 0; a < layout.controls.size(); ++a) {
        for (std::size_t b = a + 1; b < layout.controls.size(); ++b) {
            if (layout.controls[a].parent != layout.controls[b].parent) continue;
            QWidget* upper = Control(std::string(layout.controls[a].name));
            QWidget* lower = Control(std::string(layout.controls[b].name));
            const QObjectList& siblings = upper->parentWidget()->children();
            EXPECT_GT(siblings.indexOf(upper), siblings.indexOf(lower))
                << upper->objectName().toStdString() << " above "
                << lower->objectName().toStdString();
        }
    }
    QWidget* contact = Control(Contact);
    QWidget* group = Control(Group4);
    QWidget* hit = group->childAt(contact->geometry().center());
    EXPECT_TRUE(hit == contact || contact->isAncestorOf(hit));
}

TEST_F(MainWindowBuild, TheWindowHasItsFixedClientAreaCaptionAndButtons) {
    EXPECT_EQ(window_->size(), QSize(984, 624));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize()) << "resizable by its edges";
    EXPECT_EQ(window_->windowTitle(),
              QString::fromUtf8("DorvaneV6.0 TamselQQ" DORVANE_AUTHOR_CONTACT_NUMBER
                                " " DORVANE_CAPTION_ADVERTISEMENT));
    const Qt::WindowFlags flags = window_->windowFlags();
    for (const Qt::WindowType flag :
         {Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint}) {
        EXPECT_TRUE(flags.testFlag(flag)) << std::hex << flag;
    }
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::Tool));
    const MainWindowLayout& layout = TheMainWindowLayout();
    const Point place = StartPlace(layout, platform_->PrimaryScreenSize());
    EXPECT_EQ(window_->frameGeometry().topLeft(), QPoint(place.x, place.y));
    QList<QSize> sizes = window_->windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
}

TEST_F(MainWindowBuild, GroupBoxCaptionsAreLeftAlignedAndBlack) {
    for (const std::string* name : {&Group1, &Group2, &Group4, &Yijing1}) {
        auto* box = qobject_cast<QGroupBox*>(Control(*name));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
    EXPECT_EQ(qobject_cast<QGroupBox*>(Control(Group4))->title(), QStringLiteral(u"温馨提示"));
}

// Would catch: CR LF drawn as a glyph or ignored, the text centred
// vertically, the background left unfilled, the last line (the author's
// number) pushed out at the bottom.
TEST_F(MainWindowBuild, TheLabelFillsItsAreaAndWritesRedFromTheTop) {
    auto* label = qobject_cast<FaceLabel*>(Control(Label2));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(),
              QString::fromUtf8(
                  "直接点击QQ秀试穿-保存 "
                  "(若保存不了可能Q秀已失效)\n\n有疑问联系作者QQ" DORVANE_AUTHOR_CONTACT_NUMBER));
    const QImage look = label->grab().toImage();
    const QColor face = label->palette().color(QPalette::Button);
    EXPECT_EQ(look.pixelColor(look.width() - 1, look.height() - 1), face);
    const auto redRows = [&](int from, int to) {
        int rows = 0;
        for (int y = from; y < to; ++y) {
            bool red = false;
            for (int x = 0; x < look.width(); ++x) {
                const QColor c = look.pixelColor(x, y);
                red = red || (c.red() > 200 && c.green() < 80 && c.blue() < 80);
            }
            rows += red;
        }
        return rows;
    };
    const int pitch = QFontMetrics(label->font()).height();
    EXPECT_GT(redRows(0, pitch), 0) << "the first line starts at the top";
    EXPECT_EQ(redRows(pitch, 2 * pitch), 0) << "the empty line between";
    // the third line's glyphs stand whole above the bottom edge
    EXPECT_GE(redRows(2 * pitch, look.height()), 9) << "pitch " << pitch;
}

// Would catch: a thumbnail drawn in its own aspect ratio, or at its own size.
TEST_F(MainWindowBuild, ThumbnailsAreStretchedInsideAOnePixelBorder) {
    auto* box = qobject_cast<ThumbnailBox*>(Control(Box(1)));
    ASSERT_NE(box, nullptr);
    const QImage look = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(look.size(), QSize(72, 136));
    const QColor border = box->palette().color(QPalette::WindowText);
    for (const QPoint corner : {QPoint(0, 0), QPoint(71, 0), QPoint(0, 135), QPoint(71, 135)}) {
        EXPECT_EQ(look.pixelColor(corner), border);
    }
    const ControlLayout* row = FindControl(TheMainWindowLayout(), Box(1));
    const QImage expected = QImageOf(DecodeJpeg(row->image.bytes), QImage::Format_RGB32)
                                .scaled(70, 134, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    // block averages: the box may scale in the DCT first, which moves single
    // pixels but not a region's colour
    const auto mean = [](const QImage& image, QRect block) {
        int red = 0, green = 0, blue = 0;
        for (int y = block.top(); y <= block.bottom(); ++y) {
            for (int x = block.left(); x <= block.right(); ++x) {
                red += qRed(image.pixel(x, y));
                green += qGreen(image.pixel(x, y));
                blue += qBlue(image.pixel(x, y));
            }
        }
        const int n = block.width() * block.height();
        return std::array<int, 3>{red / n, green / n, blue / n};
    };
    int worst = 0;
    for (int y = 0; y + 10 <= 134; y += 10) {
        for (int x = 0; x + 10 <= 70; x += 10) {
            const auto shown = mean(look, QRect(x + 1, y + 1, 10, 10));
            const auto wanted = mean(expected, QRect(x, y, 10, 10));
            for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(shown[c] - wanted[c]));
        }
    }
    EXPECT_LE(worst, 8);
}

// Would catch: all sixty pictures decoded while the window is built.
TEST_F(MainWindowBuild, PicturesOfHiddenPanelsAreDecodedOnlyWhenTheyShow) {
    auto* shown = qobject_cast<ThumbnailBox*>(Control(Box(1)));
    auto* hidden = qobject_cast<ThumbnailBox*>(Control(Box(13)));
    ASSERT_TRUE(shown && hidden);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown->PictureDecoded(); }, 5000));
    EXPECT_FALSE(hidden->PictureDecoded());
    platform_->SetControlShown(Yijing1, false);
    platform_->SetControlShown(Yijing2, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hidden->PictureDecoded(); }, 5000));
}

// Would catch: a half-built window left over from a layout whose row names
// no group box as its parent.
TEST(MainWindowCreation, ABrokenLayoutMakesNoWindow) {
    const ControlLayout rows[] = {
        {.name = "box",
         .kind = ControlKind::GroupBox,
         .parent = {},
         .left = 0,
         .top = 0,
         .width = 50,
         .height = 50,
         .visible = true,
         .enabled = true,
         .tabStop = false,
         .tabOrderKey = 0,
         .text = {},
         .settings = {},
         .image = {},
         .handler = EventHandler::None},
        {.name = "orphan",
         .kind = ControlKind::Label,
         .parent = "nowhere",
         .left = 0,
         .top = 0,
         .width = 10,
         .height = 10,
         .visible = true,
         .enabled = true,
         .tabStop = false,
         .tabOrderKey = 0,
         .text = {},
         .settings = {},
         .image = {},
         .handler = EventHandler::None},
    };
    const WindowSettings settings{"x",  {100, 100}, {90, 90}, {0, 0}, true,
                                  true, true,       true,     true,   {}};
    const MainWindowLayout layout{settings, rows};
    RecordingEvents events;
    QtWindow platform;
    EXPECT_FALSE(BuildMainWindow(platform, layout, {0, 0}, events));
    EXPECT_FALSE(platform.WindowExists());
    platform.RunMessageLoop();  // returns at once: there is no window
}

}  // namespace
}  // namespace dorvane::test
