// libFuzzer target: any bytes as a skin file, and the same bytes as a body.
// The reader must return an error or a theme that keeps the limits, never
// read out of bounds, allocate without bound or abort. Seed with
// assets/kiss.she and its decompressed body.
#include <lzma.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin_reader.h"

namespace {

using namespace dorvane::skin;

void CheckTheme(const ReadResult& result) {
    if (result.error == ReadError::None) {
        const Theme& theme = result.theme;
        const Tile& tile = theme.windowTile;
        const bool holds = !theme.baseStyle.empty() && theme.baseStyle.size() <= MaxStyleNameSize &&
                           theme.palette.size() <= MaxPaletteEntries &&
                           theme.styleSheet.size() <= MaxStyleSheetSize &&
                           tile.argb.size() == std::size_t{tile.width} * tile.height &&
                           tile.width <= MaxTileSide && tile.height <= MaxTileSide;
        if (!holds) {
            __builtin_trap();
        }
    }
}

// The same bytes as a body whose size field and checksum are made to hold,
// so the section parser is reached without the fuzzer forging a CRC.
void ParseAsBody(const std::uint8_t* data, std::size_t size) {
    if (size < BodyHeaderSize) {
        return;
    }
    std::vector<std::uint8_t> body(data, data + size);
    const auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) body[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put(8, static_cast<std::uint32_t>(size));
    put(12, lzma_crc32(body.data() + ChecksumFrom, body.size() - ChecksumFrom, 0));
    CheckTheme(ParseBody(body, ""));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTheme(ReadSkinFile(std::span(data, size), ""));
    ParseAsBody(data, size);
    return 0;
}
