// The icon file as the window and the tray take it: five 32-bit images with
// masks, largest first, laid out back to back with consistent offsets.

#include <gtest/gtest.h>

#include "asset_bytes.h"

namespace {

using dorvane::test::le16;
using dorvane::test::le32;
using dorvane::test::readAsset;

struct IconImage {
    int pixels;
    std::uint32_t bytes;
};

constexpr IconImage Images[] = {{128, 67624}, {64, 16936}, {48, 9640}, {32, 4264}, {16, 1128}};
constexpr std::size_t DirectoryBytes = 6 + 16 * 5;

// A size missing or out of order, a palette depth, or an offset that points
// past the previous image shows up here.
TEST(IconFile, DirectoryListsFiveImagesInOrder) {
    const std::vector<std::uint8_t> b = readAsset("dorvane.ico");
    ASSERT_EQ(b.size(), 99678u);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(le16(b, 4), 5u);
    std::uint32_t expectedOffset = DirectoryBytes;
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(Images[i].pixels);
        const std::size_t e = 6 + 16 * i;
        EXPECT_EQ(b[e], Images[i].pixels);
        EXPECT_EQ(b[e + 1], Images[i].pixels);
        EXPECT_EQ(b[e + 2], 0) << "no palette";
        EXPECT_EQ(le16(b, e + 4), 1u) << "planes";
        EXPECT_EQ(le16(b, e + 6), 32u) << "bits a pixel";
        EXPECT_EQ(le32(b, e + 8), Images[i].bytes);
        EXPECT_EQ(le32(b, e + 12), expectedOffset);
        expectedOffset += Images[i].bytes;
    }
    EXPECT_EQ(expectedOffset, b.size()) << "the last image ends the file";
}

// Each image is a bitmap header with its height doubled for the mask; the
// mask marks exactly the fully transparent pixels, so a reader that ignores
// alpha draws the same shape.
TEST(IconFile, EachImageIsA32BitBitmapWithAMatchingMask) {
    const std::vector<std::uint8_t> b = readAsset("dorvane.ico");
    ASSERT_EQ(b.size(), 99678u);
    for (std::size_t i = 0; i < 5; ++i) {
        const int n = Images[i].pixels;
        SCOPED_TRACE(n);
        const std::size_t at = le32(b, 6 + 16 * i + 12);
        EXPECT_EQ(le32(b, at), 40u);
        EXPECT_EQ(le32(b, at + 4), static_cast<std::uint32_t>(n));
        EXPECT_EQ(le32(b, at + 8), static_cast<std::uint32_t>(2 * n));
        EXPECT_EQ(le16(b, at + 12), 1u);
        EXPECT_EQ(le16(b, at + 14), 32u);
        EXPECT_EQ(le32(b, at + 16), 0u) << "uncompressed";

        const std::size_t pixels = at + 40;
        const std::size_t mask = pixels + static_cast<std::size_t>(n * n * 4);
        const std::size_t maskRow = ((static_cast<std::size_t>(n) + 31) / 32) * 4;
        ASSERT_EQ(mask + maskRow * static_cast<std::size_t>(n) - at, Images[i].bytes);
        int opaque = 0, mismatched = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const std::uint8_t alpha =
                    b[pixels + static_cast<std::size_t>((y * n + x) * 4 + 3)];
                const bool masked = (b[mask + static_cast<std::size_t>(y) * maskRow +
                                       static_cast<std::size_t>(x / 8)] >>
                                     (7 - x % 8)) &
                                    1;
                opaque += alpha == 255;
                mismatched += masked != (alpha == 0);
            }
        EXPECT_EQ(mismatched, 0);
        EXPECT_GT(opaque, n * n / 2) << "the picture fills most of its square";
    }
}

}  // namespace
