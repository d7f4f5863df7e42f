#include "jpeg_fitter.h"

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

// jpeglib.h uses FILE without including <cstdio>
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace dorvane::assets {

namespace {

// A segment is its marker (2 bytes), its length field (2) and its data; the
// length field counts itself, so one segment carries at most 65,533 bytes.
constexpr std::size_t SegmentOverhead = 4;
constexpr std::size_t MaxCommentData = 65533;
constexpr std::string_view Filler = "Dorvane V6.0 outfit picture. ";

// libjpeg reports a fault by calling error_exit, which must not return; it
// jumps back to encode(), where only plain C data is alive.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->back, 1);
}

std::vector<std::uint8_t> fillerOf(std::size_t length) {
    std::vector<std::uint8_t> data(length);
    for (std::size_t i = 0; i < length; ++i)
        data[i] = static_cast<std::uint8_t>(Filler[i % Filler.size()]);
    return data;
}

}  // namespace

std::optional<std::vector<std::vector<std::uint8_t>>> JpegFitter::paddingComments(std::size_t gap) {
    std::vector<std::vector<std::uint8_t>> comments;
    while (gap > 0) {
        if (gap < SegmentOverhead) return std::nullopt;
        std::size_t data = std::min(gap - SegmentOverhead, MaxCommentData);
        // never leave a remainder too small for a segment of its own
        const std::size_t rest = gap - SegmentOverhead - data;
        if (rest > 0 && rest < SegmentOverhead) data -= SegmentOverhead - rest;
        comments.push_back(fillerOf(data));
        gap -= SegmentOverhead + data;
    }
    return comments;
}

std::vector<std::uint8_t> JpegFitter::encode(
    const RgbPicture& picture, int quality,
    const std::vector<std::vector<std::uint8_t>>& comments) {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_create_compress(&info);
    if (setjmp(errors.back) != 0) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw std::runtime_error(errors.message);
    }
    {
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = static_cast<JDIMENSION>(picture.width);
        info.image_height = static_cast<JDIMENSION>(picture.height);
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        // force_baseline keeps every quantiser within 8 bits, as SOF0 requires
        jpeg_set_quality(&info, quality, TRUE);
        info.optimize_coding = TRUE;
        info.write_JFIF_header = TRUE;
        jpeg_start_compress(&info, TRUE);
        for (const auto& comment : comments)
            jpeg_write_marker(&info, JPEG_COM, comment.data(),
                              static_cast<unsigned int>(comment.size()));
        const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(picture.rgb.data() + info.next_scanline * stride);
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
    }
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

std::optional<FittedJpeg> JpegFitter::fit(const RgbPicture& picture, std::size_t targetBytes) {
    // File size does not strictly fall with quality, so walk down from the top
    // and take the first that fits.
    for (int quality = 100; quality >= 1; --quality) {
        std::vector<std::uint8_t> plain = encode(picture, quality, {});
        if (plain.size() > targetBytes) continue;
        const auto comments = paddingComments(targetBytes - plain.size());
        if (!comments) continue;
        const std::size_t padding = targetBytes - plain.size();
        std::vector<std::uint8_t> padded =
            padding == 0 ? std::move(plain) : encode(picture, quality, *comments);
        if (padded.size() != targetBytes)
            throw std::logic_error("padding comment did not land on the target size");
        return FittedJpeg{std::move(padded), quality, padding};
    }
    return std::nullopt;
}

}  // namespace dorvane::assets
