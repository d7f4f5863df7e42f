// The picture readers both editions share, without any GUI: the program's own
// icon and thumbnails, the choice of the tray's image, PNG images handed to
// the platform's decoder, and the image button's colour key.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pictures/icon_reader.h"
#include "pictures/image.h"
#include "pictures/jpeg_decoder.h"

namespace dorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes AssetBytes(const std::string& name) {
    std::ifstream file(std::string(DORVANE_ASSETS_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

// Would catch: the program's icon read only in part, rows upside down, the
// alpha of its 32-bit images lost.
TEST(PictureReaders, TheProgramsIconGivesItsFiveImages) {
    const std::vector<Image> images = ReadIconImages(AssetBytes("dorvane.ico"));
    std::vector<std::int32_t> sides;
    for (const Image& image : images) {
        EXPECT_EQ(image.width, image.height);
        EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
        sides.push_back(image.width);
    }
    EXPECT_EQ(sides, (std::vector<std::int32_t>{128, 64, 48, 32, 16}));
    const Image* tray = PickIconImage(images, 16, 16);
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray, &images.back());
}

// The tray's choice: the exact size, else the smallest larger, else the
// largest smaller; none without images.
TEST(PictureReaders, PickIconImageChoosesBySize) {
    const std::vector<Image> images = {Image(48, 48), Image(16, 16), Image(32, 32)};
    struct Case {
        std::int32_t side;
        int chosen;  // index, -1 for none
    };
    for (const Case c : {Case{16, 1}, Case{24, 2}, Case{33, 0}, Case{64, 0}, Case{8, 1}}) {
        EXPECT_EQ(PickIconImage(images, c.side, c.side),
                  &images[static_cast<std::size_t>(c.chosen)])
            << c.side;
    }
    EXPECT_EQ(PickIconImage({}, 16, 16), nullptr);
}

// A PNG image goes to the decoder the platform hands in, with exactly its
// bytes; without a decoder it is left out, and the bitmaps still come.
TEST(PictureReaders, PngImagesGoToThePlatformsDecoder) {
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 1, 2, 3};
    Bytes file = {0, 0, 1, 0, 1, 0};
    const Bytes entry = {20, 10, 0, 0,  1, 0, 32, 0, static_cast<std::uint8_t>(png.size()),
                         0,  0,  0, 22, 0, 0, 0};
    file.insert(file.end(), entry.begin(), entry.end());
    file.insert(file.end(), png.begin(), png.end());

    EXPECT_TRUE(ReadIconImages(file).empty());
    static Bytes handed;
    const PngDecoder decoder = [](std::span<const std::uint8_t> bytes) {
        handed.assign(bytes.begin(), bytes.end());
        return Image(20, 10);
    };
    const std::vector<Image> images = ReadIconImages(file, decoder);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 20);
    EXPECT_EQ(handed, png);
}

// Would catch: a picture cut or padded, a transparent pixel (the alpha byte in
// the wrong place of the word), the DCT scaling not covering the box, junk or
// a cut file giving a picture. Pixel values: tests/gui against Qt's reader.
TEST(PictureReaders, AThumbnailDecodesOpaqueAtFullOrCoveringSize) {
    const Bytes jpeg = AssetBytes("thumbnails/box01.jpg");
    const Image full = DecodeJpeg(jpeg);
    ASSERT_EQ(full.width, 139);
    ASSERT_EQ(full.height, 225);
    ASSERT_EQ(full.pixels.size(), 139u * 225u);
    for (const std::uint32_t pixel : full.pixels) ASSERT_EQ(pixel >> 24, 0xffu);
    const Image scaled = DecodeJpeg(jpeg, 70, 134);
    EXPECT_GE(scaled.width, 70);
    EXPECT_GE(scaled.height, 134);
    EXPECT_LT(scaled.width, full.width);
    EXPECT_TRUE(DecodeJpeg(Bytes(jpeg.begin(), jpeg.begin() + 300)).IsNull());
    EXPECT_TRUE(DecodeJpeg(Bytes(100, 0x42)).IsNull());
}

// Would catch: a key taken from another corner, or other colours cleared.
TEST(PictureReaders, TheTopLeftColourBecomesTransparent) {
    Image image(3, 2);
    image.pixels = {0xff102030, 0xff405060, 0xff102030, 0xff102031, 0xff102030, 0x80102030};
    ClearTopLeftColour(image);
    EXPECT_EQ(image.pixels,
              (std::vector<std::uint32_t>{0, 0xff405060, 0, 0xff102031, 0, 0x80102030}));
    Image none;
    ClearTopLeftColour(none);
    EXPECT_TRUE(none.IsNull());
}

}  // namespace
}  // namespace dorvane
