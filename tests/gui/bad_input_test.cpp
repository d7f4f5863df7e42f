// Damaged bytes where the window expects its pictures: a thumbnail box whose
// JPEG gives no picture, and icon files from which the tray gets no image or
// only a scaled one. Inputs the fuzzers once failed on are read from their
// corpus, so the case stays what the fuzzer found.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <cstdint>
#include <vector>

#include "file_bytes.h"
#include "pictures/icon_reader.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/thumbnail_box.h"
#include "real_window_fixture.h"
#include "window/main_window.h"

namespace dorvane::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FuzzSeed(const char* target, const char* name) {
    return testing::FileBytes(QStringLiteral(DORVANE_FUZZ_CORPUS_DIR "/%1/%2").arg(target, name));
}

// Would catch: a box that paints garbage, a grey half picture or nothing at
// all (not even its face and border) when its bytes give no picture, or that
// tries to decode again at every paint.
TEST(BadThumbnail, BytesThatGiveNoPictureShowAnEmptyBox) {
    const Bytes good = testing::AssetBytes("thumbnails/box01.jpg");
    struct Case {
        const char* name;
        Bytes jpeg;
    } const cases[] = {
        {"no bytes", {}},
        {"junk", Bytes(4000, 0x5a)},
        {"a JPEG start, then junk",
         [] {
             Bytes bytes(4000, 0x33);
             bytes[0] = 0xff, bytes[1] = 0xd8, bytes[2] = 0xff;
             return bytes;
         }()},
        {"the thumbnail cut in half", Bytes(good.begin(), good.begin() + good.size() / 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ThumbnailBox box(c.jpeg, true, nullptr);
        box.resize(72, 136);
        const QImage look = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(box.PictureDecoded());
        ASSERT_EQ(look.size(), QSize(72, 136));
        const QRgb border = box.palette().color(QPalette::WindowText).rgb();
        const QRgb face = box.palette().color(QPalette::Button).rgb();
        int wrong = 0;
        for (int y = 0; y < look.height(); ++y) {
            for (int x = 0; x < look.width(); ++x) {
                const bool edge = x == 0 || y == 0 || x == 71 || y == 135;
                wrong += look.pixel(x, y) != (edge ? border : face);
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

using BadTrayIcon = RealWindow;

// Would catch: a tray icon made of a damaged image, or a crash on it; the
// first case is the icon the fuzzer found reading past its colour table.
TEST_F(BadTrayIcon, AnIconThatGivesNoImageAddsNoTrayIcon) {
    const Bytes icon = FuzzSeed("icon_reader", "only_16.ico");
    struct Case {
        const char* name;
        Bytes bytes;
    } const cases[] = {
        {"a colour index past the colour table",
         FuzzSeed("icon_reader", "palette_index_past_colours.ico")},
        {"its only image cut off", Bytes(icon.begin(), icon.end() - 1)},
        {"a directory and nothing else", Bytes(icon.begin(), icon.begin() + 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(ReadIconImagesWithPng(c.bytes).empty());
        EXPECT_FALSE(platform_->SetTrayIcon(c.bytes, TrayTipText()));
        EXPECT_EQ(window_->findChild<QSystemTrayIcon*>(), nullptr);
    }
}

// Would catch: an icon without a 16 x 16 image shown at another size, or
// refused although it has a picture: the tray gets that picture scaled.
TEST_F(BadTrayIcon, AnIconWithoutA16By16ImageShowsItsOtherImageScaled) {
    const Bytes icon = FuzzSeed("icon_reader", "only_32.ico");
    std::vector<Image> read = ReadIconImagesWithPng(icon);
    ASSERT_EQ(read.size(), 1u);
    const QImage only = QImageOf(std::move(read[0]));
    ASSERT_EQ(only.size(), QSize(32, 32));
    ASSERT_TRUE(platform_->SetTrayIcon(icon, TrayTipText()));
    const auto* tray = window_->findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->icon().availableSizes(), QList<QSize>{QSize(16, 16)});
    const QImage shown =
        tray->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    // through a pixmap, as the tray holds it: scaled edges are translucent,
    // and premultiplying rounds them
    const QImage expected =
        QPixmap::fromImage(only.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace dorvane::test
