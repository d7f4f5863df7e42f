#include "skin_writer.h"

#include <lzma.h>

#include <algorithm>

#include "password_check.h"

namespace dorvane::skin {
namespace {

void PutLe16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLe32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.resize(out.size() + 4);
    PutLe32(out, out.size() - 4, v);
}

}  // namespace

std::vector<Section> SectionsOf(const Theme& theme) {
    std::vector<Section> sections;
    sections.push_back({StyleTag, {theme.baseStyle.begin(), theme.baseStyle.end()}});
    Section palette{PaletteTag, {}};
    for (const PaletteEntry& e : theme.palette) {
        palette.bytes.push_back(static_cast<std::uint8_t>(e.role));
        palette.bytes.push_back(static_cast<std::uint8_t>(e.group));
        palette.bytes.push_back(0);
        palette.bytes.push_back(0);
        AppendLe32(palette.bytes, e.argb);
    }
    sections.push_back(std::move(palette));
    sections.push_back({StyleSheetTag, {theme.styleSheet.begin(), theme.styleSheet.end()}});
    if (!theme.windowTile.argb.empty()) {
        Section tile{TileTag, std::vector<std::uint8_t>(4)};
        PutLe16(tile.bytes, 0, theme.windowTile.width);
        PutLe16(tile.bytes, 2, theme.windowTile.height);
        for (std::uint32_t pixel : theme.windowTile.argb) {
            AppendLe32(tile.bytes, pixel);
        }
        sections.push_back(std::move(tile));
    }
    return sections;
}

std::optional<std::vector<std::uint8_t>> BuildBody(std::span<const Section> sections,
                                                   std::string_view password,
                                                   std::uint32_t bodySize) {
    std::size_t at = BodyHeaderSize + sections.size() * SectionEntrySize;
    std::size_t end = at;
    for (const Section& s : sections) {
        end += s.bytes.size();
    }
    if (sections.size() > MaxSections || end > bodySize) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> body(bodySize, 0);
    std::copy(BodyMagic.begin(), BodyMagic.end(), body.begin());
    PutLe16(body, 4, BodyVersion);
    PutLe16(body, 6, static_cast<std::uint16_t>(sections.size()));
    PutLe32(body, 8, bodySize);
    const std::uint64_t digest = PasswordDigest(password);
    PutLe32(body, 16, static_cast<std::uint32_t>(digest));
    PutLe32(body, 20, static_cast<std::uint32_t>(digest >> 32));
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::size_t entry = BodyHeaderSize + i * SectionEntrySize;
        PutLe32(body, entry, sections[i].tag);
        PutLe32(body, entry + 4, static_cast<std::uint32_t>(at));
        PutLe32(body, entry + 8, static_cast<std::uint32_t>(sections[i].bytes.size()));
        std::copy(sections[i].bytes.begin(), sections[i].bytes.end(), body.begin() + at);
        at += sections[i].bytes.size();
    }
    PutLe32(body, 12, lzma_crc32(body.data() + ChecksumFrom, body.size() - ChecksumFrom, 0));
    return body;
}

std::optional<std::vector<std::uint8_t>> CompressBody(std::span<const std::uint8_t> body) {
    lzma_options_lzma options;
    if (lzma_lzma_preset(&options, 9 | LZMA_PRESET_EXTREME)) {
        return std::nullopt;
    }
    options.lc = LiteralContextBits;
    options.lp = LiteralPositionBits;
    options.pb = PositionBits;
    options.dict_size = DictionarySize;
    options.ext_flags = 0;  // no end marker: the header carries the size
    lzma_set_ext_size(options, body.size());
    const lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_encoder(&stream, filters) != LZMA_OK) {
        lzma_end(&stream);
        return std::nullopt;
    }
    std::vector<std::uint8_t> out(body.size() + body.size() / 2 + 4096);
    stream.next_in = body.data();
    stream.avail_in = body.size();
    stream.next_out = out.data();
    stream.avail_out = out.size();
    lzma_ret ret = LZMA_OK;
    while (ret == LZMA_OK) {
        ret = lzma_code(&stream, LZMA_FINISH);
    }
    out.resize(stream.total_out);
    lzma_end(&stream);
    if (ret != LZMA_STREAM_END) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> PackSkinFile(std::uint32_t declaredBodySize,
                                                      std::span<const std::uint8_t> stream,
                                                      std::size_t fileSize) {
    if (StreamOffset + stream.size() > fileSize) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> file(fileSize, 0);
    std::copy(FileMagic.begin(), FileMagic.end(), file.begin());
    std::copy(FileVersion.begin(), FileVersion.end(), file.begin() + FileMagic.size());
    PutLe32(file, BodySizeOffset, declaredBodySize);
    file[PropertiesOffset] = static_cast<std::uint8_t>(
        (PositionBits * 5 + LiteralPositionBits) * 9 + LiteralContextBits);
    PutLe32(file, PropertiesOffset + 1, DictionarySize);
    std::copy(stream.begin(), stream.end(), file.begin() + StreamOffset);
    return file;
}

}  // namespace dorvane::skin
