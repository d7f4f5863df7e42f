#include "pictures/icon_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace dorvane {
namespace {

// Icons hold 256 x 256 at most; a larger bitmap header is damage.
constexpr std::int32_t MaxSide = 256;
constexpr std::size_t DirectorySize = 6;
constexpr std::size_t EntrySize = 16;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::uint32_t UncompressedRgb = 0;
constexpr std::array<std::uint8_t, 8> PngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::uint16_t SupportedDepths[] = {1, 4, 8, 24, 32};

// Little-endian reads that callers have bounds-checked with Has().
class Bytes {
  public:
    explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}
    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= data_.size() && count <= data_.size() - offset;
    }
    std::uint8_t U8(std::size_t at) const { return data_[at]; }
    std::uint16_t U16(std::size_t at) const {
        return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const {
        return static_cast<std::uint32_t>(U16(at)) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
    }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    std::span<const std::uint8_t> Sub(std::size_t offset, std::size_t count) const {
        return data_.subspan(offset, count);
    }
    std::size_t Size() const { return data_.size(); }

  private:
    std::span<const std::uint8_t> data_;
};

std::size_t RowBytes(std::int32_t width, std::uint16_t depth) {
    return (static_cast<std::size_t>(width) * depth + 31) / 32 * 4;
}

// One pixel's colour (alpha still opaque) from a bitmap row of any supported
// depth. An index past the colour table is damage: none.
std::optional<std::uint32_t> PixelOf(const Bytes& dib, std::size_t row, std::int32_t x,
                                     std::uint16_t depth, std::size_t palette,
                                     std::size_t colours) {
    const auto column = static_cast<std::size_t>(x);
    if (depth >= 24) {
        const std::size_t at = row + column * (depth / 8);
        return Argb(0xff, dib.U8(at + 2), dib.U8(at + 1), dib.U8(at));
    }
    const std::size_t bit = column * depth;
    const unsigned shift = 8 - depth - bit % 8;
    const unsigned index = (dib.U8(row + bit / 8) >> shift) & ((1u << depth) - 1);
    if (index >= colours) return std::nullopt;
    const std::size_t entry = palette + index * 4;
    return Argb(0xff, dib.U8(entry + 2), dib.U8(entry + 1), dib.U8(entry));
}

Image ReadBitmap(std::span<const std::uint8_t> image) {
    const Bytes dib(image);
    if (!dib.Has(0, InfoHeaderSize)) return {};
    const std::uint32_t headerSize = dib.U32(0);
    const std::int32_t width = dib.I32(4);
    const std::int32_t doubledHeight = dib.I32(8);  // the colour rows, then the mask rows
    const std::uint16_t depth = dib.U16(14);
    const std::uint32_t usedColours = dib.U32(32);
    if (headerSize < InfoHeaderSize || !dib.Has(0, headerSize)) return {};
    if (width < 1 || width > MaxSide || doubledHeight < 2 || doubledHeight > 2 * MaxSide ||
        doubledHeight % 2 != 0) {
        return {};
    }
    if (dib.U32(16) != UncompressedRgb ||
        std::ranges::find(SupportedDepths, depth) == std::end(SupportedDepths)) {
        return {};
    }
    const std::int32_t height = doubledHeight / 2;
    std::size_t colours = 0;
    if (depth <= 8) {
        colours = usedColours == 0 ? std::size_t{1} << depth : usedColours;
        if (colours > std::size_t{1} << depth) return {};
    }
    const std::size_t palette = headerSize;
    const std::size_t colourRows = palette + colours * 4;
    const std::size_t colourStride = RowBytes(width, depth);
    const std::size_t maskRows = colourRows + colourStride * static_cast<std::size_t>(height);
    const std::size_t maskStride = RowBytes(width, 1);
    if (!dib.Has(maskRows, maskStride * static_cast<std::size_t>(height))) return {};

    const auto maskBit = [&](std::size_t maskRow, std::int32_t x) {
        return (dib.U8(maskRow + static_cast<std::size_t>(x) / 8) >> (7 - x % 8) & 1) != 0;
    };
    Image out(width, height);
    bool anyAlpha = false;
    for (std::int32_t y = 0; y < height; ++y) {
        const auto stored = static_cast<std::size_t>(height - 1 - y);  // rows run bottom-up
        const std::size_t row = colourRows + stored * colourStride;
        const std::size_t maskRow = maskRows + stored * maskStride;
        std::uint32_t* line = out.Row(y);
        for (std::int32_t x = 0; x < width; ++x) {
            const std::optional<std::uint32_t> colour =
                PixelOf(dib, row, x, depth, palette, colours);
            if (!colour) return {};
            const std::uint32_t alpha = depth == 32
                                            ? dib.U8(row + static_cast<std::size_t>(x) * 4 + 3)
                                            : (maskBit(maskRow, x) ? 0 : 255);
            anyAlpha = anyAlpha || alpha != 0;
            line[x] = (*colour & 0x00ffffffu) | alpha << 24;
        }
    }
    // A 32-bit image whose alpha bytes are all zero is an old-style one: its
    // mask says which pixels show.
    if (depth == 32 && !anyAlpha) {
        for (std::int32_t y = 0; y < height; ++y) {
            const std::size_t maskRow =
                maskRows + static_cast<std::size_t>(height - 1 - y) * maskStride;
            std::uint32_t* line = out.Row(y);
            for (std::int32_t x = 0; x < width; ++x) {
                line[x] = maskBit(maskRow, x) ? 0u : (line[x] | 0xff000000u);
            }
        }
    }
    return out;
}

}  // namespace

std::vector<Image> ReadIconImages(std::span<const std::uint8_t> file, PngDecoder decodePng) {
    const Bytes icon(file);
    if (!icon.Has(0, DirectorySize) || icon.U16(0) != 0 || icon.U16(2) != 1) return {};
    const std::size_t count = icon.U16(4);
    if (count == 0 || !icon.Has(DirectorySize, count * EntrySize)) return {};

    std::vector<Image> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = DirectorySize + i * EntrySize;
        const std::uint32_t size = icon.U32(entry + 8);
        const std::uint32_t offset = icon.U32(entry + 12);
        if (!icon.Has(offset, size)) continue;
        const std::span<const std::uint8_t> image = icon.Sub(offset, size);
        const bool png = image.size() >= PngSignature.size() &&
                         std::ranges::equal(image.first(PngSignature.size()), PngSignature);
        if (png && decodePng == nullptr) continue;
        Image read = png ? decodePng(image) : ReadBitmap(image);
        if (!read.IsNull()) images.push_back(std::move(read));
    }
    return images;
}

const Image* PickIconImage(const std::vector<Image>& images, std::int32_t width,
                           std::int32_t height) {
    const auto area = [](const Image* image) {
        return static_cast<std::int64_t>(image->width) * image->height;
    };
    const Image* larger = nullptr;
    const Image* smaller = nullptr;
    for (const Image& image : images) {
        if (image.width == width && image.height == height) return &image;
        const bool covers = image.width >= width && image.height >= height;
        if (covers && (!larger || area(&image) < area(larger))) larger = &image;
        if (!covers && (!smaller || area(&image) > area(smaller))) smaller = &image;
    }
    return larger ? larger : smaller;
}

}  // namespace dorvane
