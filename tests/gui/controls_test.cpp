// The window's own control looks, one widget at a time: the type buttons'
// wrapping captions, the contact button's still picture, a thumbnail whose
// bytes give no picture.
#include <gtest/gtest.h>

#include "file_bytes.h"
#include "platform/qt/still_picture.h"
#include "platform/qt/thumbnail_box.h"
#include "platform/qt/wrapping_push_button.h"

namespace dorvane {
namespace {

using testing::AssetBytes;

// rows of `image` holding a pixel much darker than the button's face
std::vector<bool> InkedRows(const QImage& image, QRect area) {
    std::vector<bool> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool inked = false;
        for (int x = area.left(); x <= area.right(); ++x)
            inked = inked || qGray(image.pixel(x, y)) < 110;
        rows.push_back(inked);
    }
    return rows;
}

int Bands(const std::vector<bool>& rows) {
    int bands = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) bands += rows[i] && (i == 0 || !rows[i - 1]);
    return bands;
}

// Would catch: QPushButton's own caption drawing, which never wraps.
TEST(Controls, APushButtonCaptionThatDoesNotFitWraps) {
    WrappingPushButton fits(QStringLiteral(u"免费可爱"), nullptr);
    WrappingPushButton wraps(QStringLiteral(u"免费可爱QQ秀 免费恶搞QQ秀"), nullptr);
    for (WrappingPushButton* button : {&fits, &wraps}) button->resize(96, 48);
    const QRect inside(4, 4, 88, 40);
    EXPECT_EQ(Bands(InkedRows(fits.grab().toImage(), inside)), 1);
    EXPECT_EQ(Bands(InkedRows(wraps.grab().toImage(), inside)), 2);
    EXPECT_FALSE(wraps.autoDefault());
    EXPECT_FALSE(wraps.isDefault());
}

// Would catch: all frames of the GIF, or no transparency, or the wrong key.
TEST(Controls, TheContactPictureIsTheFirstFrameWithItsCornerColourClear) {
    const std::vector<std::uint8_t> gif = AssetBytes("contact_button.gif");
    const QImage keyed = StillPicture(gif, true);
    const QImage plain = StillPicture(gif, false);
    ASSERT_EQ(keyed.size(), QSize(61, 16));
    const QRgb key = plain.pixel(0, 0);
    int clear = 0, kept = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            EXPECT_EQ(qAlpha(plain.pixel(x, y)), 255);
            const bool isKey = plain.pixel(x, y) == key;
            EXPECT_EQ(qAlpha(keyed.pixel(x, y)), isKey ? 0 : 255) << x << ", " << y;
            (isKey ? clear : kept) += 1;
        }
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(kept, 0);
    EXPECT_TRUE(StillPicture(std::vector<std::uint8_t>(64, 7), true).isNull());
}

// Would catch: a crash or garbage when a thumbnail's bytes are damaged.
TEST(Controls, AThumbnailWithoutAPictureShowsItsBackground) {
    const std::vector<std::uint8_t> junk(200, 0x33);
    ThumbnailBox box(junk, true, nullptr);
    box.resize(72, 136);
    const QImage look = box.grab().toImage();
    EXPECT_TRUE(box.PictureDecoded());
    EXPECT_EQ(look.pixelColor(36, 68), box.palette().color(QPalette::Button));
}

}  // namespace
}  // namespace dorvane
