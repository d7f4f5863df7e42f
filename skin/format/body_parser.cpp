// The body: header, checksum, password, then each section into the theme.
// Every offset and length is checked against the body before it is read.
#include <lzma.h>

#include <optional>

#include "password_check.h"
#include "skin_reader.h"

namespace dorvane::skin {
namespace {

using Bytes = std::span<const std::uint8_t>;

bool IsStyleName(Bytes bytes) {
    if (bytes.empty() || bytes.size() > MaxStyleNameSize) {
        return false;
    }
    for (std::uint8_t c : bytes) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!ok) {
            return false;
        }
    }
    return true;
}

// Well-formed UTF-8 without zero bytes: shortest forms, no surrogates.
bool IsCleanUtf8(Bytes bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::uint8_t c = bytes[i];
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (c == 0) {
            return false;
        } else if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, code = c & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) {
                return false;
            }
            code = code << 6 | (bytes[i + k] & 0x3F);
        }
        constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool ParseStyle(Bytes bytes, Theme& theme) {
    if (!IsStyleName(bytes)) {
        return false;
    }
    theme.baseStyle.assign(bytes.begin(), bytes.end());
    return true;
}

bool ParsePalette(Bytes bytes, Theme& theme) {
    if (bytes.size() % PaletteEntrySize != 0 ||
        bytes.size() / PaletteEntrySize > MaxPaletteEntries) {
        return false;
    }
    for (std::size_t at = 0; at < bytes.size(); at += PaletteEntrySize) {
        const std::uint8_t* e = bytes.data() + at;
        if (e[0] >= static_cast<std::uint8_t>(PaletteRole::Count) ||
            e[1] >= static_cast<std::uint8_t>(PaletteGroup::Count) || e[2] != 0 || e[3] != 0) {
            return false;
        }
        theme.palette.push_back(
            {static_cast<PaletteRole>(e[0]), static_cast<PaletteGroup>(e[1]), ReadLe32(e + 4)});
    }
    return true;
}

bool ParseStyleSheet(Bytes bytes, Theme& theme) {
    if (bytes.size() > MaxStyleSheetSize || !IsCleanUtf8(bytes)) {
        return false;
    }
    theme.styleSheet.assign(bytes.begin(), bytes.end());
    return true;
}

bool ParseTile(Bytes bytes, Theme& theme) {
    if (bytes.size() < 4) {
        return false;
    }
    const std::uint16_t width = ReadLe16(bytes.data());
    const std::uint16_t height = ReadLe16(bytes.data() + 2);
    if (width == 0 || height == 0 || width > MaxTileSide || height > MaxTileSide ||
        bytes.size() != 4 + std::size_t{width} * height * 4) {
        return false;
    }
    theme.windowTile.width = width;
    theme.windowTile.height = height;
    theme.windowTile.argb.resize(std::size_t{width} * height);
    for (std::size_t i = 0; i < theme.windowTile.argb.size(); ++i) {
        theme.windowTile.argb[i] = ReadLe32(bytes.data() + 4 + i * 4);
    }
    return true;
}

struct SectionKind {
    std::uint32_t tag;
    bool required;
    bool (*parse)(Bytes, Theme&);
};

constexpr SectionKind SectionKinds[] = {
    {StyleTag, true, ParseStyle},
    {PaletteTag, true, ParsePalette},
    {StyleSheetTag, true, ParseStyleSheet},
    {TileTag, false, ParseTile},
};
constexpr std::size_t KindCount = std::size(SectionKinds);

bool HeaderHolds(Bytes body) {
    return body.size() >= BodyHeaderSize &&
           std::equal(BodyMagic.begin(), BodyMagic.end(), body.begin()) &&
           ReadLe16(body.data() + 4) == BodyVersion && ReadLe16(body.data() + 6) <= MaxSections &&
           ReadLe32(body.data() + 8) == body.size() &&
           ReadLe32(body.data() + 12) ==
               lzma_crc32(body.data() + ChecksumFrom, body.size() - ChecksumFrom, 0);
}

std::uint64_t ReadLe64(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(ReadLe32(p)) | static_cast<std::uint64_t>(ReadLe32(p + 4))
                                                         << 32;
}

}  // namespace

ReadResult ParseBody(Bytes body, std::string_view password) {
    if (!HeaderHolds(body)) {
        return {ReadError::BadBody, {}};
    }
    if (ReadLe64(body.data() + 16) != PasswordDigest(password)) {
        return {ReadError::WrongPassword, {}};
    }
    const std::size_t count = ReadLe16(body.data() + 6);
    const std::size_t tableEnd = BodyHeaderSize + count * SectionEntrySize;
    if (tableEnd > body.size()) {
        return {ReadError::BadBody, {}};
    }
    ReadResult result;
    bool seen[KindCount] = {};
    for (std::size_t s = 0; s < count; ++s) {
        const std::uint8_t* entry = body.data() + BodyHeaderSize + s * SectionEntrySize;
        const std::uint32_t tag = ReadLe32(entry);
        const std::uint64_t offset = ReadLe32(entry + 4);
        const std::uint64_t length = ReadLe32(entry + 8);
        if (offset < tableEnd || offset + length > body.size()) {
            return {ReadError::BadBody, {}};
        }
        for (std::size_t k = 0; k < KindCount; ++k) {
            if (SectionKinds[k].tag != tag) {
                continue;
            }
            if (seen[k] || !SectionKinds[k].parse(body.subspan(offset, length), result.theme)) {
                return {ReadError::BadBody, {}};
            }
            seen[k] = true;
        }
        // a tag we do not know is a later addition: skipped
    }
    for (std::size_t k = 0; k < KindCount; ++k) {
        if (SectionKinds[k].required && !seen[k]) {
            return {ReadError::BadBody, {}};
        }
    }
    return result;
}

}  // namespace dorvane::skin
