#include "gif_file.h"

#include <gif_lib.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

#include "palette.h"

namespace dorvane::assets {

namespace {

// A comment extension is its introducer and label (2 bytes), sub-blocks of
// one length byte and 1 to 255 data bytes, and a terminating zero byte.
constexpr std::size_t CommentFrame = 3;
constexpr std::string_view Filler = "Dorvane V6.0 contact button. ";

struct Region {
    int left, top, width, height;
};

// the smallest rectangle holding every pixel that differs; 1 x 1 if none does
Region changedRegion(int width, int height, const std::vector<std::uint32_t>& before,
                     const std::vector<std::uint32_t>& after) {
    int x0 = width, y0 = height, x1 = -1, y1 = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto i = static_cast<std::size_t>(y * width + x);
            if (before[i] != after[i]) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    if (x1 < 0) return {0, 0, 1, 1};
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

int collect(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void check(int status, const char* what) {
    if (status != GIF_OK)
        throw std::runtime_error(std::string("giflib failed to write the ") + what);
}

void putExtensionBlock(GifFileType* gif, std::string_view data) {
    check(EGifPutExtensionBlock(gif, static_cast<int>(data.size()), data.data()), "extension");
}

void putLooping(GifFileType* gif) {
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "loop extension");
    putExtensionBlock(gif, "NETSCAPE2.0");
    putExtensionBlock(gif, std::string_view("\x01\x00\x00", 3));  // loop forever
    check(EGifPutExtensionTrailer(gif), "loop extension");
}

// Sub-blocks whose sizes add up to exactly dataBytes (length bytes included).
void putComment(GifFileType* gif, std::size_t dataBytes) {
    check(EGifPutExtensionLeader(gif, COMMENT_EXT_FUNC_CODE), "comment");
    std::size_t at = 0;
    while (dataBytes > 0) {
        std::size_t block = std::min<std::size_t>(255, dataBytes - 1);
        if (dataBytes - (block + 1) == 1)  // a lone byte cannot form a block
            --block;
        std::string text;
        for (std::size_t i = 0; i < block; ++i, ++at) text.push_back(Filler[at % Filler.size()]);
        putExtensionBlock(gif, text);
        dataBytes -= block + 1;
    }
    check(EGifPutExtensionTrailer(gif), "comment");
}

}  // namespace

std::vector<std::uint8_t> GifFile::encode(int width, int height,
                                          const std::vector<GifFrame>& frames,
                                          std::uint32_t background, std::size_t commentBytes) {
    std::vector<std::vector<std::uint32_t>> pictures;
    for (const GifFrame& frame : frames) pictures.push_back(frame.rgb);
    const Palette palette = Palette::build(pictures, background);

    std::vector<std::uint8_t> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, collect, &error);
    if (gif == nullptr) throw std::runtime_error("giflib cannot open a GIF for writing");
    try {
        EGifSetGifVersion(gif, true);
        std::vector<GifColorType> entries;
        for (const std::uint32_t rgb : palette.colours())
            entries.push_back({static_cast<GifByteType>(rgb >> 16),
                               static_cast<GifByteType>(rgb >> 8), static_cast<GifByteType>(rgb)});
        ColorMapObject* map = GifMakeMapObject(Palette::Entries, entries.data());
        const int status = EGifPutScreenDesc(gif, width, height, 8, 0, map);
        GifFreeMapObject(map);
        check(status, "screen descriptor");
        putLooping(gif);

        const std::vector<std::uint32_t>* previous = nullptr;
        for (const GifFrame& frame : frames) {
            const Region r = previous ? changedRegion(width, height, *previous, frame.rgb)
                                      : Region{0, 0, width, height};
            GraphicsControlBlock control{};
            control.DisposalMode = DISPOSE_DO_NOT;
            control.UserInputFlag = false;
            control.DelayTime = frame.delayCentiseconds;
            control.TransparentColor = NO_TRANSPARENT_COLOR;
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), "frame timing");
            check(EGifPutImageDesc(gif, r.left, r.top, r.width, r.height, false, nullptr),
                  "image descriptor");
            std::vector<GifPixelType> line(static_cast<std::size_t>(r.width));
            for (int y = r.top; y < r.top + r.height; ++y) {
                for (int x = 0; x < r.width; ++x)
                    line[static_cast<std::size_t>(x)] = palette.indexOf(
                        frame.rgb[static_cast<std::size_t>(y * width + r.left + x)]);
                check(EGifPutLine(gif, line.data(), r.width), "pixels");
            }
            previous = &frame.rgb;
        }
        if (commentBytes > 0) putComment(gif, commentBytes - CommentFrame);
    } catch (...) {
        EGifCloseFile(gif, &error);
        throw;
    }
    check(EGifCloseFile(gif, &error), "trailer");
    return bytes;
}

std::optional<std::vector<std::uint8_t>> GifFile::write(int width, int height,
                                                        const std::vector<GifFrame>& frames,
                                                        std::uint32_t background,
                                                        std::size_t targetBytes) {
    const std::vector<std::uint8_t> plain = encode(width, height, frames, background, 0);
    if (plain.size() == targetBytes) return plain;
    // the smallest comment holds one block of one byte: 5 bytes in all
    if (plain.size() + CommentFrame + 2 > targetBytes) return std::nullopt;
    std::vector<std::uint8_t> padded =
        encode(width, height, frames, background, targetBytes - plain.size());
    if (padded.size() != targetBytes)
        throw std::logic_error("the comment did not land on the target size");
    return padded;
}

}  // namespace dorvane::assets
