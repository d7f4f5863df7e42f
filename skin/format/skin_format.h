// The skin file and its body as bytes: the constants, limits and plain theme
// data that the engine, the generator and the tests share. No Qt here, so the
// reader can be fuzzed on its own. The layout is described in SkinH_EL.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::skin {

// The file: magic, version, body size, LZMA properties, then the stream.
inline constexpr std::array<std::uint8_t, 4> FileMagic{0x2E, 0x53, 0x48, 0x45};  // ".SHE"
inline constexpr std::array<std::uint8_t, 2> FileVersion{0x00, 0x03};
inline constexpr std::size_t BodySizeOffset = 6;
inline constexpr std::size_t PropertiesOffset = 10;
inline constexpr std::size_t PropertiesSize = 5;
inline constexpr std::size_t StreamOffset = 15;
// lc 3, lp 0, pb 2, an 8 MiB dictionary, as the properties bytes 5D 00 00 80 00 say
inline constexpr std::uint32_t LiteralContextBits = 3;
inline constexpr std::uint32_t LiteralPositionBits = 0;
inline constexpr std::uint32_t PositionBits = 2;
inline constexpr std::uint32_t DictionarySize = 8u << 20;

// What our own skin file is made to: the carried file and its body.
inline constexpr std::size_t CarriedFileSize = 13192;
inline constexpr std::uint32_t CarriedBodySize = 175192;

// Bounds the reader checks before it allocates anything.
inline constexpr std::uint32_t MaxBodySize = 4u << 20;
inline constexpr std::size_t MaxFileSize = 1u << 20;
inline constexpr std::uint64_t DecoderMemoryLimit = 16u << 20;

// The body: a header, a section table, the sections, zero padding.
inline constexpr std::array<std::uint8_t, 4> BodyMagic{'D', 'V', 'T', 'H'};
inline constexpr std::uint16_t BodyVersion = 1;
inline constexpr std::size_t BodyHeaderSize = 32;
inline constexpr std::size_t SectionEntrySize = 12;
inline constexpr std::size_t MaxSections = 16;
inline constexpr std::size_t ChecksumFrom = 16;  // the CRC-32 covers the body from here on

constexpr std::uint32_t Tag(const char (&name)[5]) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[0])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[3])) << 24;
}
inline constexpr std::uint32_t StyleTag = Tag("STYL");
inline constexpr std::uint32_t PaletteTag = Tag("PALT");
inline constexpr std::uint32_t StyleSheetTag = Tag("QSS ");
inline constexpr std::uint32_t TileTag = Tag("TILE");

inline constexpr std::size_t MaxStyleNameSize = 32;
inline constexpr std::size_t PaletteEntrySize = 8;
inline constexpr std::size_t MaxPaletteEntries = 128;
inline constexpr std::size_t MaxStyleSheetSize = 256u << 10;
inline constexpr std::uint16_t MaxTileSide = 256;

// Palette roles by our own numbers, so the file does not depend on Qt's.
enum class PaletteRole : std::uint8_t {
    Window,
    WindowText,
    Base,
    AlternateBase,
    ToolTipBase,
    ToolTipText,
    PlaceholderText,
    Text,
    Button,
    ButtonText,
    BrightText,
    Light,
    Midlight,
    Dark,
    Mid,
    Shadow,
    Highlight,
    HighlightedText,
    Link,
    LinkVisited,
    Count
};
inline constexpr std::array<std::string_view, static_cast<std::size_t>(PaletteRole::Count)>
    PaletteRoleNames{"Window",
                     "WindowText",
                     "Base",
                     "AlternateBase",
                     "ToolTipBase",
                     "ToolTipText",
                     "PlaceholderText",
                     "Text",
                     "Button",
                     "ButtonText",
                     "BrightText",
                     "Light",
                     "Midlight",
                     "Dark",
                     "Mid",
                     "Shadow",
                     "Highlight",
                     "HighlightedText",
                     "Link",
                     "LinkVisited"};

enum class PaletteGroup : std::uint8_t { All, Active, Inactive, Disabled, Count };
inline constexpr std::array<std::string_view, static_cast<std::size_t>(PaletteGroup::Count)>
    PaletteGroupNames{"All", "Active", "Inactive", "Disabled"};

struct PaletteEntry {
    PaletteRole role;
    PaletteGroup group;
    std::uint32_t argb;  // 0xAARRGGBB
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// A picture tiled over the window background; empty when the theme has none.
struct Tile {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::uint32_t> argb;  // rows top to bottom, 0xAARRGGBB, not premultiplied
    friend bool operator==(const Tile&, const Tile&) = default;
};

struct Theme {
    std::string baseStyle;  // a style Qt makes by name, e.g. "Fusion"
    std::vector<PaletteEntry> palette;
    std::string styleSheet;  // UTF-8
    Tile windowTile;
    friend bool operator==(const Theme&, const Theme&) = default;
};

inline std::uint32_t ReadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline std::uint16_t ReadLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

}  // namespace dorvane::skin
