#include "icon_file.h"

#include "byte_writer.h"

namespace dorvane::assets {

namespace {

constexpr std::uint32_t HeaderBytes = 40;
constexpr std::uint32_t DirectoryBytes = 6;
constexpr std::uint32_t EntryBytes = 16;

std::uint32_t maskRowBytes(int size) {
    return ((static_cast<std::uint32_t>(size) + 31) / 32) * 4;
}

}  // namespace

std::uint32_t IconFile::imageBytes(int size) {
    const auto s = static_cast<std::uint32_t>(size);
    return HeaderBytes + s * s * 4 + maskRowBytes(size) * s;
}

std::vector<std::uint8_t> IconFile::write(const std::vector<IconImage>& images) {
    ByteWriter out;
    out.u16(0);  // reserved
    out.u16(1);  // an icon, not a cursor
    out.u16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = DirectoryBytes + EntryBytes * static_cast<std::uint32_t>(images.size());
    for (const IconImage& image : images) {
        out.u8(static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size));
        out.u8(static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size));
        out.u8(0);    // no palette
        out.u8(0);    // reserved
        out.u16(1);   // planes
        out.u16(32);  // bits a pixel
        out.u32(imageBytes(image.size));
        out.u32(offset);
        offset += imageBytes(image.size);
    }
    for (const IconImage& image : images) {
        const int n = image.size;
        out.u32(HeaderBytes);
        out.u32(static_cast<std::uint32_t>(n));
        out.u32(static_cast<std::uint32_t>(2 * n));  // colour rows and mask rows
        out.u16(1);
        out.u16(32);
        out.u32(0);  // BI_RGB
        out.u32(imageBytes(n) - HeaderBytes);
        out.u32(0);
        out.u32(0);
        out.u32(0);
        out.u32(0);
        for (int y = n - 1; y >= 0; --y)
            for (int x = 0; x < n; ++x) {
                const std::uint32_t p = image.argb[static_cast<std::size_t>(y * n + x)];
                out.u8(static_cast<std::uint8_t>(p));        // blue
                out.u8(static_cast<std::uint8_t>(p >> 8));   // green
                out.u8(static_cast<std::uint8_t>(p >> 16));  // red
                out.u8(static_cast<std::uint8_t>(p >> 24));  // alpha
            }
        // The mask marks the fully transparent pixels, for readers that ignore alpha.
        for (int y = n - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskRowBytes(n), 0);
            for (int x = 0; x < n; ++x)
                if ((image.argb[static_cast<std::size_t>(y * n + x)] >> 24) == 0)
                    row[static_cast<std::size_t>(x / 8)] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
            out.bytes(row);
        }
    }
    return out.take();
}

}  // namespace dorvane::assets
