// The icon reader: the program's own icon file, bitmaps of every depth it
// reads (pixel by pixel, so row order, nibble order and channel order show),
// PNG images, and damaged files that must give no image rather than a read
// out of bounds.
#include "pictures/icon_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "platform/qt/qt_image.h"

namespace dorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// the reader's images (PNG ones through Qt's decoder) as QImages, to read pixels
std::vector<QImage> ReadAsQImages(const Bytes& file) {
    std::vector<QImage> images;
    for (Image& image : ReadIconImagesWithPng(file)) images.push_back(QImageOf(std::move(image)));
    return images;
}

void Put16(Bytes& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}
void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xffff);
    Put16(bytes, at + 2, value >> 16);
}
void Append32(Bytes& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 4);
    Put32(bytes, bytes.size() - 4, value);
}

// A test bitmap: what each pixel holds (a palette index, or 0xAARRGGBB for
// 24 and 32 bits) and which pixels the mask hides.
struct Bitmap {
    int width, height, depth;
    std::vector<QRgb> palette;
    std::function<std::uint32_t(int x, int y)> value;
    std::function<bool(int x, int y)> masked;
};

Bytes Dib(const Bitmap& b) {
    Bytes dib(40, 0);
    Put32(dib, 0, 40);
    Put32(dib, 4, static_cast<std::uint32_t>(b.width));
    Put32(dib, 8, static_cast<std::uint32_t>(b.height * 2));
    Put16(dib, 12, 1);
    Put16(dib, 14, static_cast<std::uint32_t>(b.depth));
    Put32(dib, 32, static_cast<std::uint32_t>(b.palette.size()));
    for (QRgb colour : b.palette) Append32(dib, colour & 0xffffff);  // stored B, G, R, 0
    const std::size_t stride = (static_cast<std::size_t>(b.width) * b.depth + 31) / 32 * 4;
    const std::size_t maskStride = (static_cast<std::size_t>(b.width) + 31) / 32 * 4;
    for (int y = b.height - 1; y >= 0; --y) {  // bottom-up
        Bytes row(stride, 0);
        for (int x = 0; x < b.width; ++x) {
            const std::uint32_t v = b.value(x, y);
            if (b.depth >= 24) {
                for (int c = 0; c < b.depth / 8; ++c)
                    row[x * (b.depth / 8) + c] = static_cast<std::uint8_t>(v >> (8 * c));
            } else {
                const int bit = x * b.depth;
                row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - b.depth - bit % 8));
            }
        }
        dib.insert(dib.end(), row.begin(), row.end());
    }
    for (int y = b.height - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < b.width; ++x) {
            if (b.masked(x, y)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        dib.insert(dib.end(), row.begin(), row.end());
    }
    return dib;
}

Bytes IconFile(const std::vector<Bytes>& images) {
    Bytes file(6 + 16 * images.size(), 0);
    Put16(file, 2, 1);
    Put16(file, 4, static_cast<std::uint32_t>(images.size()));
    for (std::size_t i = 0; i < images.size(); ++i) {
        Put32(file, 6 + 16 * i + 8, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, 6 + 16 * i + 12, static_cast<std::uint32_t>(file.size()));
        file.insert(file.end(), images[i].begin(), images[i].end());
    }
    return file;
}

QRgb Expected(const Bitmap& b, int x, int y) {
    const std::uint32_t v = b.value(x, y);
    if (b.depth < 24) {
        const QRgb colour = b.palette[v];
        return b.masked(x, y) ? qRgba(qRed(colour), qGreen(colour), qBlue(colour), 0)
                              : colour | 0xff000000u;
    }
    if (b.depth == 24) return b.masked(x, y) ? v & 0xffffff : v | 0xff000000u;
    return v;
}

const auto NoMask = [](int, int) { return false; };
const auto Checker = [](int x, int y) { return (x + y) % 3 == 0; };
const std::vector<QRgb> Sixteen = [] {
    std::vector<QRgb> colours;
    for (int i = 0; i < 16; ++i) colours.push_back(qRgb(i * 16, 255 - i * 16, i * 8));
    return colours;
}();

// Would catch: rows read top-down, nibbles or bits in the wrong order, BGR
// taken as RGB, a mask ignored or applied over a real alpha channel.
TEST(IconReader, ReadsBitmapsOfEveryDepthPixelByPixel) {
    const Bitmap cases[] = {
        {5, 3, 32, {}, [](int x, int y) { return qRgba(x * 50, y * 80, 7, 40 + x * 40); }, Checker},
        {5, 3, 24, {}, [](int x, int y) { return qRgb(x * 50, y * 80, 200); }, Checker},
        {7, 3, 8, Sixteen, [](int x, int y) { return std::uint32_t((x + 5 * y) % 16); }, Checker},
        {7, 3, 4, Sixteen, [](int x, int y) { return std::uint32_t((x + 5 * y) % 16); }, Checker},
        {9,
         3,
         1,
         {qRgb(10, 20, 30), qRgb(200, 210, 220)},
         [](int x, int y) { return std::uint32_t((x + y) % 2); },
         Checker},
        {33,
         2,
         1,
         {qRgb(0, 0, 0), qRgb(255, 255, 255)},
         [](int x, int) { return std::uint32_t(x % 2); },
         NoMask},
    };
    for (const Bitmap& b : cases) {
        const std::vector<QImage> images = ReadAsQImages(IconFile({Dib(b)}));
        ASSERT_EQ(images.size(), 1u) << b.depth << " bits";
        ASSERT_EQ(images[0].size(), QSize(b.width, b.height)) << b.depth << " bits";
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                EXPECT_EQ(images[0].pixel(x, y), Expected(b, x, y))
                    << b.depth << " bits at " << x << ", " << y;
            }
        }
    }
}

TEST(IconReader, AThirtyTwoBitImageWithoutAlphaUsesItsMask) {
    const Bitmap b{4,      2, 32, {}, [](int x, int y) { return qRgba(x * 60, y * 100, 9, 0); },
                   Checker};
    const std::vector<QImage> images = ReadAsQImages(IconFile({Dib(b)}));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(qAlpha(images[0].pixel(0, 0)), 0);  // masked
    EXPECT_EQ(images[0].pixel(1, 0), qRgb(60, 0, 9));
}

TEST(IconReader, ReadsPngImages) {
    QImage png(20, 20, QImage::Format_ARGB32);
    png.fill(qRgba(1, 2, 3, 128));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    const std::vector<QImage> images =
        ReadAsQImages(IconFile({Bytes(buffer.data().begin(), buffer.data().end())}));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].size(), QSize(20, 20));
    EXPECT_EQ(images[0].pixel(5, 5), qRgba(1, 2, 3, 128));
}

const Bitmap Small{4, 4, 32, {}, [](int x, int y) { return qRgba(x, y, 0, 255); }, NoMask};
constexpr std::size_t Entry = 6, Image = 22;  // the one entry's and its image's offsets

// Would catch: any read past the bytes, and damage that slips through as a
// garbage image. One bad image among good ones is left out alone.
TEST(IconReader, DamagedFilesGiveNoImage) {
    struct Case {
        std::string name;
        std::function<void(Bytes&)> damage;
        std::size_t images = 0;
    };
    const Case cases[] = {
        {"empty", [](Bytes& f) { f.clear(); }},
        {"shorter than the directory", [](Bytes& f) { f.resize(5); }},
        {"reserved field set", [](Bytes& f) { Put16(f, 0, 1); }},
        {"a cursor", [](Bytes& f) { Put16(f, 2, 2); }},
        {"no images", [](Bytes& f) { Put16(f, 4, 0); }},
        {"more entries than bytes", [](Bytes& f) { Put16(f, 4, 9); }},
        {"image beyond the end",
         [](Bytes& f) { Put32(f, Entry + 12, static_cast<std::uint32_t>(f.size())); }},
        {"image longer than the file",
         [](Bytes& f) { Put32(f, Entry + 8, static_cast<std::uint32_t>(f.size())); }},
        {"offset and size wrap around",
         [](Bytes& f) {
             Put32(f, Entry + 12, 0xfffffff0u);
             Put32(f, Entry + 8, 0x40);
         }},
        {"file cut short", [](Bytes& f) { f.pop_back(); }},
        {"old-style header", [](Bytes& f) { Put32(f, Image, 12); }},
        {"header longer than the image", [](Bytes& f) { Put32(f, Image, 4000); }},
        {"zero width", [](Bytes& f) { Put32(f, Image + 4, 0); }},
        {"negative width", [](Bytes& f) { Put32(f, Image + 4, static_cast<std::uint32_t>(-4)); }},
        {"huge width", [](Bytes& f) { Put32(f, Image + 4, 100000); }},
        {"odd height", [](Bytes& f) { Put32(f, Image + 8, 7); }},
        {"negative height", [](Bytes& f) { Put32(f, Image + 8, static_cast<std::uint32_t>(-8)); }},
        {"height past the data", [](Bytes& f) { Put32(f, Image + 8, 10); }},
        {"compressed", [](Bytes& f) { Put32(f, Image + 16, 1); }},
        {"16 bits per pixel", [](Bytes& f) { Put16(f, Image + 14, 16); }},
        {"more colours than the depth holds",
         [](Bytes& f) {
             Put16(f, Image + 14, 8);
             Put32(f, Image + 32, 300);
         }},
        // the 32-bit pixels' alpha bytes, 255, as indices into a table of one
        {"a colour index past the colour table",
         [](Bytes& f) {
             Put16(f, Image + 14, 8);
             Put32(f, Image + 32, 1);
         }},
        {"PNG signature, junk after it",
         [](Bytes& f) {
             const std::uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
             std::copy(std::begin(png), std::end(png), f.begin() + Image);
         }},
    };
    for (const Case& c : cases) {
        Bytes file = IconFile({Dib(Small)});
        c.damage(file);
        EXPECT_EQ(ReadAsQImages(file).size(), c.images) << c.name;
    }
    Bytes two = IconFile({Dib(Small), Dib(Small)});
    Put32(two, Entry + 16 + 12, 0xffffff00u);
    EXPECT_EQ(ReadAsQImages(two).size(), 1u) << "second image out of bounds";
}

TEST(IconReader, ChoosesTheImageForASize) {
    const auto filled = [](int side, QRgb colour) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(colour);
        return image;
    };
    const std::vector<dorvane::Image> images = {ImageOf(filled(48, qRgb(48, 0, 0))),
                                                ImageOf(filled(16, qRgb(16, 0, 0))),
                                                ImageOf(filled(32, qRgb(32, 0, 0)))};
    EXPECT_EQ(IconImageOfSize(images, QSize(16, 16)).pixel(0, 0), qRgb(16, 0, 0));
    const QImage fromLarger = IconImageOfSize(images, QSize(24, 24));
    EXPECT_EQ(fromLarger.size(), QSize(24, 24));
    EXPECT_EQ(fromLarger.pixel(12, 12), qRgb(32, 0, 0)) << "the smallest larger one";
    EXPECT_EQ(IconImageOfSize(images, QSize(64, 64)).pixel(30, 30), qRgb(48, 0, 0))
        << "the largest";
    EXPECT_TRUE(IconImageOfSize({}, QSize(16, 16)).isNull());
}

// Would catch: the program's icon not read whole, or the tray given another
// image than its 16 x 16 one.
TEST(IconReader, ReadsTheProgramsIconFile) {
    const Bytes bytes = testing::AssetBytes("dorvane.ico");
    EXPECT_EQ(bytes.size(), 99678u);
    const std::vector<QImage> images = ReadAsQImages(bytes);
    std::vector<int> sides;
    for (const QImage& image : images) {
        EXPECT_EQ(image.width(), image.height());
        sides.push_back(image.width());
    }
    EXPECT_EQ(sides, (std::vector<int>{128, 64, 48, 32, 16}));
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(IconImageOfSize(ReadIconImagesWithPng(bytes), QSize(16, 16)), images.back());
}

}  // namespace
}  // namespace dorvane
