// The contact button's picture: a GIF89a of 61 x 16 with a 256-colour global
// table and five frames, the first covering the whole picture (the button
// shows only it and takes its top-left pixel as the transparent colour).

#include <gtest/gtest.h>

#include <string>

#include "asset_bytes.h"

namespace {

using dorvane::test::le16;
using dorvane::test::readAsset;

struct Frame {
    unsigned left, top, width, height;
};

struct Walk {
    std::vector<Frame> frames;
    bool endsInTrailer = false;
};

// Steps over every block after the global colour table.
Walk walkBlocks(const std::vector<std::uint8_t>& b, std::size_t at) {
    Walk walk;
    auto skipSubBlocks = [&](std::size_t i) {
        while (i < b.size() && b[i] != 0) i += b[i] + 1u;
        return i + 1;
    };
    while (at < b.size()) {
        if (b[at] == 0x21) {
            at = skipSubBlocks(at + 2);
        } else if (b[at] == 0x2C) {
            walk.frames.push_back(
                {le16(b, at + 1), le16(b, at + 3), le16(b, at + 5), le16(b, at + 7)});
            std::size_t i = at + 10;
            if (b.at(at + 9) & 0x80) i += 3u << ((b[at + 9] & 7) + 1);
            at = skipSubBlocks(i + 1);  // past the LZW code size
        } else {
            walk.endsInTrailer = b[at] == 0x3B && at + 1 == b.size();
            break;
        }
    }
    return walk;
}

TEST(ContactButtonFile, IsA61By16Gif89aWithA256ColourTable) {
    const std::vector<std::uint8_t> b = readAsset("contact_button.gif");
    ASSERT_EQ(b.size(), 3256u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 6), "GIF89a");
    EXPECT_EQ(le16(b, 6), 61u);
    EXPECT_EQ(le16(b, 8), 16u);
    EXPECT_TRUE(b[10] & 0x80) << "has a global colour table";
    EXPECT_EQ(b[10] & 7, 7) << "of 256 entries";
}

// A missing or extra frame, a frame outside the picture, a first frame that
// leaves the top-left pixel undefined, or padding that broke the block chain.
TEST(ContactButtonFile, HoldsFiveFramesInsideThePicture) {
    const std::vector<std::uint8_t> b = readAsset("contact_button.gif");
    ASSERT_GT(b.size(), 13u + 768u);
    const Walk walk = walkBlocks(b, 13 + 768);
    EXPECT_TRUE(walk.endsInTrailer);
    ASSERT_EQ(walk.frames.size(), 5u);
    const Frame& first = walk.frames.front();
    EXPECT_EQ(first.left, 0u);
    EXPECT_EQ(first.top, 0u);
    EXPECT_EQ(first.width, 61u);
    EXPECT_EQ(first.height, 16u);
    for (const Frame& f : walk.frames) {
        EXPECT_LE(f.left + f.width, 61u);
        EXPECT_LE(f.top + f.height, 16u);
    }
}

}  // namespace
