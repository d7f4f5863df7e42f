// The thumbnails' JPEG decoder: good pictures come out as Qt's own reader sees
// them, at the chosen DCT scaling; junk, truncated and corrupt bytes come out
// empty instead of ending the process or showing half a picture.
#include "pictures/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/qt_image.h"

namespace dorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// the decoder's picture as the thumbnails wrap it
QImage Decode(const Bytes& bytes, QSize atLeast = {}) {
    return QImageOf(DecodeJpeg(bytes, atLeast.width(), atLeast.height()), QImage::Format_RGB32);
}

Bytes Encode(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    const QByteArray& data = buffer.data();
    return Bytes(data.begin(), data.end());
}

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 96));
    }
    return image;
}

const Bytes& Picture160x240() {
    static const Bytes bytes = Encode(Gradient(160, 240));
    return bytes;
}

std::size_t MarkerAt(const Bytes& bytes, std::uint8_t marker) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xff && bytes[i + 1] == marker) return i;
    }
    ADD_FAILURE() << "no marker " << int(marker);
    return 0;
}

constexpr std::uint8_t StartOfFrame = 0xc0, StartOfScan = 0xda, QuantTable = 0xdb;

// Would catch: a decoder that swaps channels, flips rows or misreads a scaling.
TEST(JpegDecoder, GivesThePicturesPixelsAsQtsOwnReaderDoes) {
    const Bytes& bytes = Picture160x240();
    const QImage ours = Decode(bytes);
    const QImage theirs = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "JPG")
                              .convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(ours.size(), QSize(160, 240));
    ASSERT_EQ(theirs.size(), ours.size());
    int worst = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LE(worst, 2);
}

TEST(JpegDecoder, GreyPicturesComeOutAsRgb) {
    const QImage grey = Decode(Encode(Gradient(40, 30).convertToFormat(QImage::Format_Grayscale8)));
    ASSERT_EQ(grey.size(), QSize(40, 30));
    EXPECT_EQ(qRed(grey.pixel(20, 15)), qGreen(grey.pixel(20, 15)));
}

// Would catch: scaling below the wanted size (a blurred thumbnail) or not
// scaling at all (wasted decode time).
TEST(JpegDecoder, ScalesToTheSmallestEighthThatCoversTheWantedSize) {
    struct Case {
        QSize wanted, expected;
    };
    const Case cases[] = {
        {{}, {160, 240}},         // no wish: full size
        {{70, 134}, {100, 150}},  // 5/8: 4/8 would give a height of 120
        {{80, 120}, {80, 120}},   // exactly 4/8
        {{1, 1}, {20, 30}},       // 1/8, the smallest
        {{161, 10}, {160, 240}},  // wider than the picture: full size, never larger
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decode(Picture160x240(), c.wanted).size(), c.expected)
            << c.wanted.width() << " x " << c.wanted.height();
    }
}

// Would catch: a decoder that ends the process on libjpeg's fatal errors,
// prints to the console, or shows a grey-filled partial picture.
TEST(JpegDecoder, BadBytesGiveAnEmptyPicture) {
    struct Case {
        std::string name;
        std::function<Bytes()> bytes;
    };
    const Bytes& good = Picture160x240();
    const Case cases[] = {
        {"empty", [] { return Bytes{}; }},
        {"junk", [] { return Bytes(500, 0x5a); }},
        {"start marker only",
         [] {
             return Bytes{0xff, 0xd8};
         }},
        {"a PNG",
         [] {
             QBuffer buffer;
             buffer.open(QIODevice::WriteOnly);
             Gradient(8, 8).save(&buffer, "PNG");
             return Bytes(buffer.data().begin(), buffer.data().end());
         }},
        {"cut inside the header",
         [&] { return Bytes(good.begin(), good.begin() + MarkerAt(good, StartOfScan)); }},
        {"cut in the middle of the picture",
         [&] { return Bytes(good.begin(), good.begin() + good.size() / 2); }},
        {"cut before the end marker",
         [&] { return Bytes(good.begin(), good.end() - 2 - good.size() / 8); }},
        {"a marker inside the picture data",
         [&] {
             Bytes bytes = good;
             const std::size_t middle = (MarkerAt(good, StartOfScan) + good.size()) / 2;
             bytes[middle] = 0xff;
             bytes[middle + 1] = 0xd9;
             return bytes;
         }},
        {"absurd dimensions",
         [&] {
             Bytes bytes = good;
             const std::size_t frame = MarkerAt(good, StartOfFrame);
             for (std::size_t i = frame + 5; i < frame + 9; ++i) bytes[i] = 0xff;  // height, width
             return bytes;
         }},
        {"zero width",
         [&] {
             Bytes bytes = good;
             const std::size_t frame = MarkerAt(good, StartOfFrame);
             bytes[frame + 7] = bytes[frame + 8] = 0;
             return bytes;
         }},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Decode(c.bytes()).isNull()) << c.name;
        EXPECT_TRUE(Decode(c.bytes(), QSize(70, 134)).isNull()) << c.name << ", scaled";
    }
}

// Would catch: treating every libjpeg warning as damage; stray bytes between
// markers are skipped cleanly and the picture is whole.
TEST(JpegDecoder, StrayBytesBetweenMarkersStillDecode) {
    Bytes bytes = Picture160x240();
    const std::size_t table = MarkerAt(bytes, QuantTable);
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(table), {0x00, 0x11, 0x22});
    EXPECT_EQ(Decode(bytes).size(), QSize(160, 240));
}

}  // namespace
}  // namespace dorvane
