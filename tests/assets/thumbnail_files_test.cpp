// The sixty thumbnails as the picture boxes need them: baseline JFIF JPEGs
// with three components, each of its box's pixel size and byte size, each
// decodable, box 12 and box 13 the same picture and every other one its own.

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "asset_bytes.h"

namespace {

using dorvane::test::be16;
using dorvane::test::readAsset;

struct Thumbnail {
    int box, width, height;
    std::size_t bytes;
};

constexpr Thumbnail Thumbnails[] = {
    {1, 139, 225, 17152},  {2, 138, 226, 18014},  {3, 137, 223, 12992},  {4, 139, 222, 9770},
    {5, 139, 223, 5576},   {6, 136, 233, 7691},   {7, 136, 222, 7443},   {8, 136, 223, 7993},
    {9, 136, 223, 10055},  {10, 141, 224, 16150}, {11, 138, 225, 4156},  {12, 139, 225, 9749},
    {13, 139, 225, 9749},  {14, 138, 224, 9012},  {15, 139, 225, 7709},  {16, 138, 225, 10729},
    {17, 138, 220, 6920},  {18, 132, 221, 8593},  {19, 136, 221, 4702},  {20, 137, 222, 9525},
    {21, 132, 219, 11834}, {22, 135, 222, 8054},  {23, 136, 221, 14341}, {24, 136, 211, 8387},
    {25, 138, 225, 14090}, {26, 136, 223, 10248}, {27, 141, 224, 11774}, {28, 136, 221, 6713},
    {29, 136, 221, 10380}, {30, 138, 224, 11242}, {31, 141, 228, 10162}, {32, 136, 223, 8432},
    {33, 137, 225, 2280},  {34, 139, 223, 10481}, {35, 139, 225, 15509}, {36, 139, 226, 9794},
    {37, 139, 226, 5515},  {38, 138, 226, 6180},  {39, 132, 224, 2920},  {40, 134, 221, 3083},
    {41, 137, 199, 6105},  {42, 137, 218, 9979},  {43, 135, 225, 10063}, {44, 112, 185, 7371},
    {45, 140, 225, 5217},  {46, 148, 225, 9721},  {47, 136, 222, 10746}, {48, 131, 214, 6214},
    {49, 141, 226, 13160}, {50, 125, 188, 8259},  {51, 145, 188, 8030},  {52, 141, 229, 11709},
    {53, 143, 220, 9054},  {54, 153, 211, 8036},  {55, 159, 200, 7835},  {56, 154, 250, 12020},
    {57, 135, 197, 6820},  {58, 136, 223, 19316}, {59, 139, 231, 13306}, {60, 136, 225, 14262},
};

std::string fileOf(int box) {
    char name[32];
    std::snprintf(name, sizeof name, "thumbnails/box%02d.jpg", box);
    return name;
}

struct Segment {
    unsigned marker;
    std::size_t at;  // offset of the segment's length field
};

// The marker segments from SOI up to and including SOS.
std::vector<Segment> headerSegments(const std::vector<std::uint8_t>& b) {
    std::vector<Segment> segments;
    std::size_t i = 2;
    while (i + 4 <= b.size() && b[i] == 0xFF) {
        const unsigned marker = b[i + 1];
        segments.push_back({marker, i + 2});
        if (marker == 0xDA) break;
        i += 2 + be16(b, i + 2);
    }
    return segments;
}

bool isStartOfFrame(unsigned marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

struct Decoded {
    bool ok = false;
    int width = 0, height = 0, components = 0;
    long warnings = 0;
};

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->back, 1);
}

void silent(j_common_ptr, int) {}

// Decodes every scanline, as the picture boxes' decoder does.
Decoded decode(const std::vector<std::uint8_t>& b) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = silent;
    Decoded result;
    jpeg_create_decompress(&info);
    if (setjmp(errors.back) != 0) {
        jpeg_destroy_decompress(&info);
        return result;
    }
    jpeg_mem_src(&info, b.data(), static_cast<unsigned long>(b.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    // libjpeg's own pool holds the row, so a jump back from an error leaks nothing
    JSAMPARRAY row = (*info.mem->alloc_sarray)(
        reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
        info.output_width * static_cast<JDIMENSION>(info.output_components), 1);
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
    result = {true, static_cast<int>(info.output_width), static_cast<int>(info.output_height),
              info.output_components, errors.base.num_warnings};
    jpeg_destroy_decompress(&info);
    return result;
}

// A wrong table row, a progressive or CMYK encoding, or a size that the
// padding missed by a byte shows up here, with the box that has it.
TEST(ThumbnailFiles, EachIsABaselineJfifJpegOfItsBoxSize) {
    for (const Thumbnail& t : Thumbnails) {
        SCOPED_TRACE(fileOf(t.box));
        const std::vector<std::uint8_t> b = readAsset(fileOf(t.box));
        ASSERT_EQ(b.size(), t.bytes);
        ASSERT_EQ(be16(b, 0), 0xFFD8u) << "starts with SOI";
        EXPECT_EQ(be16(b, b.size() - 2), 0xFFD9u) << "ends with EOI";

        const std::vector<Segment> segments = headerSegments(b);
        ASSERT_FALSE(segments.empty());
        EXPECT_EQ(segments.front().marker, 0xE0u) << "JFIF APP0 comes first";
        const auto app0 = b.begin() + static_cast<std::ptrdiff_t>(segments.front().at);
        EXPECT_EQ(std::string(app0 + 2, app0 + 7), std::string("JFIF\0", 5));
        EXPECT_EQ(segments.back().marker, 0xDAu) << "the header ends in a scan";

        std::vector<Segment> frames;
        for (const Segment& s : segments)
            if (isStartOfFrame(s.marker)) frames.push_back(s);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].marker, 0xC0u) << "baseline, not extended or progressive";
        const std::size_t sof = frames[0].at;
        EXPECT_EQ(b[sof + 2], 8) << "8-bit samples";
        EXPECT_EQ(be16(b, sof + 3), static_cast<unsigned>(t.height));
        EXPECT_EQ(be16(b, sof + 5), static_cast<unsigned>(t.width));
        EXPECT_EQ(b[sof + 7], 3) << "three colour components";

        const Decoded d = decode(b);
        ASSERT_TRUE(d.ok) << "libjpeg refused it";
        EXPECT_EQ(d.width, t.width);
        EXPECT_EQ(d.height, t.height);
        EXPECT_EQ(d.components, 3);
        EXPECT_EQ(d.warnings, 0) << "libjpeg found damaged data";
    }
}

// The two boxes that share a picture share its bytes; a copy-paste slip
// anywhere else would show as a second pair.
TEST(ThumbnailFiles, OnlyBoxesTwelveAndThirteenShareAPicture) {
    std::vector<std::string> files;
    for (const Thumbnail& t : Thumbnails) {
        const std::vector<std::uint8_t> b = readAsset(fileOf(t.box));
        files.emplace_back(b.begin(), b.end());
    }
    EXPECT_EQ(files[11], files[12]);
    const std::set<std::string> distinct(files.begin(), files.end());
    EXPECT_EQ(distinct.size(), files.size() - 1);
}

}  // namespace
