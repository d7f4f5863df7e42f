#include "pictures/jpeg_decoder.h"

#include <bit>
#include <csetjmp>

// jpeglib.h uses FILE and size_t without including them; which messages
// jerror.h declares depends on jpeglib.h's version
// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace dorvane {
namespace {

// Warnings that mean the picture data itself is damaged: the decode stops
// rather than show a half-grey or garbled picture.
constexpr int DamagedDataWarnings[] = {
    JWRN_JPEG_EOF,    JWRN_HIT_MARKER,     JWRN_HUFF_BAD_CODE,     JWRN_ARITH_BAD_CODE,
    JWRN_MUST_RESYNC, JWRN_NOT_SEQUENTIAL, JWRN_BOGUS_PROGRESSION,
};

// No picture of this program comes near; a junk header cannot make us
// allocate gigabytes.
constexpr JDIMENSION MaxSide = 8192;

// Decoded straight into Image's words (0xffRRGGBB; the alpha spaces, because
// only they promise 0xff in the fourth byte): a platform's smooth scaling
// works on those without a conversion first.
constexpr J_COLOR_SPACE Rgb32Order =
    std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

struct ErrorManager {
    jpeg_error_mgr base;  // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
};

[[noreturn]] void AbandonDecode(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void FilterMessage(j_common_ptr info, int level) {
    if (level >= 0) return;  // trace messages
    for (int code : DamagedDataWarnings) {
        if (info->err->msg_code == code) AbandonDecode(info);
    }
}

void Silence(j_common_ptr) {}

struct Decode {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    Image image;
};

void ChooseScale(jpeg_decompress_struct& info, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return;
    info.scale_denom = 8;
    for (unsigned num = 1; num <= 8; ++num) {
        info.scale_num = num;
        jpeg_calc_output_dimensions(&info);
        if (info.output_width >= static_cast<JDIMENSION>(width) &&
            info.output_height >= static_cast<JDIMENSION>(height)) {
            return;
        }
    }
}

// A longjmp from libjpeg lands here, so this frame holds no object with a
// destructor; everything that outlives the jump is in *d.
bool Run(Decode* d, std::span<const std::uint8_t> bytes, std::int32_t width, std::int32_t height) {
    d->info.err = jpeg_std_error(&d->errors.base);
    d->errors.base.error_exit = AbandonDecode;
    d->errors.base.emit_message = FilterMessage;
    d->errors.base.output_message = Silence;
    if (setjmp(d->errors.jump)) return false;

    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d->info, TRUE) != JPEG_HEADER_OK) return false;
    if (d->info.image_width > MaxSide || d->info.image_height > MaxSide) return false;
    d->info.out_color_space = Rgb32Order;
    ChooseScale(d->info, width, height);
    jpeg_start_decompress(&d->info);
    if (d->info.output_components != 4) return false;

    d->image = Image(static_cast<std::int32_t>(d->info.output_width),
                     static_cast<std::int32_t>(d->info.output_height));
    if (d->image.IsNull()) return false;
    while (d->info.output_scanline < d->info.output_height) {
        auto row = reinterpret_cast<JSAMPROW>(
            d->image.Row(static_cast<std::int32_t>(d->info.output_scanline)));
        jpeg_read_scanlines(&d->info, &row, 1);
    }
    jpeg_finish_decompress(&d->info);
    return true;
}

}  // namespace

Image DecodeJpeg(std::span<const std::uint8_t> bytes, std::int32_t atLeastWidth,
                 std::int32_t atLeastHeight) {
    Decode d;
    const bool decoded = Run(&d, bytes, atLeastWidth, atLeastHeight);
    jpeg_destroy_decompress(&d.info);
    return decoded ? std::move(d.image) : Image();
}

}  // namespace dorvane
