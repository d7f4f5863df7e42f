// The skin file reader and writer as pure functions over bytes, and the
// invariants of the carried skin file.
#include <gtest/gtest.h>
#include <lzma.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "password_check.h"
#include "skin_reader.h"
#include "skin_writer.h"

namespace dorvane::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Theme SampleTheme() {
    Theme theme;
    theme.baseStyle = "Fusion";
    theme.palette = {{PaletteRole::Window, PaletteGroup::All, 0xFFFDEEF5},
                     {PaletteRole::ButtonText, PaletteGroup::Disabled, 0x80B497A9}};
    theme.styleSheet = "QPushButton { color: #5a1e45; } /* 粉色 */";
    theme.windowTile = {2, 1, {0xFF112233, 0x80445566}};
    return theme;
}

Bytes BodyOf(const Theme& theme, std::string_view password = "") {
    return *BuildBody(SectionsOf(theme), password, 4096);
}

Bytes FileOf(const Bytes& body, std::uint32_t declared, std::size_t fileSize = 0) {
    const Bytes stream = *CompressBody(body);
    return *PackSkinFile(declared, stream, fileSize ? fileSize : StreamOffset + stream.size());
}

void PutLe32(Bytes& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// After editing a body by hand, make its checksum hold again, so the case
// reaches the check it is about.
void Reseal(Bytes& body) {
    PutLe32(body, 12, lzma_crc32(body.data() + ChecksumFrom, body.size() - ChecksumFrom, 0));
}

const char* Name(ReadError e) {
    static const char* const names[] = {"None",          "BadHeader",     "BadBodySize",
                                        "BadProperties", "CorruptStream", "BadBody",
                                        "WrongPassword"};
    return names[static_cast<int>(e)];
}

// Catches a writer and reader that disagree on any field, and a tile or
// palette entry lost on the way.
TEST(SkinFileTest, ThemeRoundTripsThroughTheFile) {
    const Theme theme = SampleTheme();
    const Bytes body = BodyOf(theme);
    ASSERT_EQ(body.size(), 4096u);
    const ReadResult result = ReadSkinFile(FileOf(body, 4096, 2000), "");
    ASSERT_STREQ(Name(result.error), "None");
    EXPECT_EQ(result.theme, theme);
}

// Catches a password check that passes anything, or that compares only a
// prefix or treats an empty password as "no check".
TEST(SkinFileTest, PasswordMustMatchExactly) {
    const std::string secret = "\xC3\xDC\xC2\xEB";  // 密码 in GBK
    const Bytes file = FileOf(BodyOf(SampleTheme(), secret), 4096);
    struct Case {
        std::string password;
        ReadError expected;
    } const cases[] = {
        {secret, ReadError::None},
        {"", ReadError::WrongPassword},
        {"\xC3\xDC", ReadError::WrongPassword},
        {secret + "x", ReadError::WrongPassword},
        {"secret", ReadError::WrongPassword},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password);
        EXPECT_STREQ(Name(ReadSkinFile(file, c.password).error), Name(c.expected));
    }
    const Bytes open = FileOf(BodyOf(SampleTheme(), ""), 4096);
    EXPECT_STREQ(Name(ReadSkinFile(open, "x").error), "WrongPassword");
    EXPECT_NE(PasswordDigest(""), PasswordDigest(std::string(1, '\0')));
}

// Catches reads past the end, a size field trusted for an allocation, and
// decoded output that is shorter or longer than the header says.
TEST(SkinFileTest, DamagedFilesAreRefused) {
    const Bytes body = BodyOf(SampleTheme());
    const Bytes good = FileOf(body, 4096, 3000);
    const auto with = [&](auto edit) {
        Bytes f = good;
        edit(f);
        return f;
    };
    struct Case {
        const char* what;
        Bytes file;
        ReadError expected;
    } const cases[] = {
        {"empty", {}, ReadError::BadHeader},
        {"header cut at 14 bytes", Bytes(good.begin(), good.begin() + 14), ReadError::BadHeader},
        {"wrong magic", with([](Bytes& f) { f[0] = 'X'; }), ReadError::BadHeader},
        {"wrong version", with([](Bytes& f) { f[5] = 0x04; }), ReadError::BadHeader},
        {"header only", Bytes(good.begin(), good.begin() + 15), ReadError::CorruptStream},
        {"stream cut short", Bytes(good.begin(), good.begin() + 40), ReadError::CorruptStream},
        // past its real end the stream runs on into the zero padding, which
        // decodes as data: the body's own size field is what refuses it
        {"size field one larger", with([](Bytes& f) { PutLe32(f, 6, 4097); }), ReadError::BadBody},
        {"size field doubled", with([](Bytes& f) { PutLe32(f, 6, 8192); }), ReadError::BadBody},
        {"size field larger, no padding",
         [&] {
             Bytes f = FileOf(body, 4096);
             PutLe32(f, 6, 4097);
             return f;
         }(),
         ReadError::CorruptStream},
        {"size field zero", with([](Bytes& f) { PutLe32(f, 6, 0); }), ReadError::BadBodySize},
        {"size field below a body header", with([](Bytes& f) { PutLe32(f, 6, 31); }),
         ReadError::BadBodySize},
        {"size field just over 4 MiB", with([](Bytes& f) { PutLe32(f, 6, (4u << 20) + 1); }),
         ReadError::BadBodySize},
        {"size field 4 GiB", with([](Bytes& f) { PutLe32(f, 6, 0xFFFFFFFF); }),
         ReadError::BadBodySize},
        {"properties byte out of range", with([](Bytes& f) { f[10] = 225; }),
         ReadError::BadProperties},
        {"lc + lp over 4", with([](Bytes& f) { f[10] = (0 * 5 + 4) * 9 + 3; }),
         ReadError::BadProperties},
        {"a flipped stream byte", with([](Bytes& f) { f[60] ^= 0x55; }), ReadError::CorruptStream},
        {"random bytes",
         [] {
             Bytes r(13192);
             std::uint32_t x = 12345;
             for (auto& b : r) b = static_cast<std::uint8_t>((x = x * 1103515245 + 12345) >> 16);
             return r;
         }(),
         ReadError::BadHeader},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReadResult r = ReadSkinFile(c.file, "");
        EXPECT_STREQ(Name(r.error), Name(c.expected));
        EXPECT_TRUE(r.theme.styleSheet.empty() && r.theme.palette.empty());
    }
    // A size field that says less than the stream holds: the decoder may stop
    // there, but the body then cannot match its own size.
    for (std::uint32_t declared : {4095u, 2048u}) {
        SCOPED_TRACE(declared);
        EXPECT_NE(ReadSkinFile(with([&](Bytes& f) { PutLe32(f, 6, declared); }), "").error,
                  ReadError::None);
    }
}

// Catches a body parser that trusts offsets, lengths or counts, accepts
// half a theme, or takes bytes a section cannot hold.
TEST(SkinFileTest, DamagedBodiesAreRefused) {
    const Theme theme = SampleTheme();
    const std::vector<Section> good = SectionsOf(theme);
    const auto build = [&](auto edit) {
        std::vector<Section> sections = good;
        edit(sections);
        return *BuildBody(sections, "", 4096);
    };
    const auto body = [&](auto edit, bool reseal = true) {
        Bytes b = *BuildBody(good, "", 4096);
        edit(b);
        if (reseal) Reseal(b);
        return b;
    };
    const auto none = [](auto&) {};
    const Bytes built = body(none);
    struct Case {
        const char* what;
        Bytes body;
        ReadError expected;
    } const cases[] = {
        {"as built", body(none), ReadError::None},
        {"an unknown section is skipped", build([](auto& s) {
             s.push_back({Tag("NOTE"), {1, 2, 3}});
         }),
         ReadError::None},
        {"shorter than its header", Bytes(built.begin(), built.begin() + 31), ReadError::BadBody},
        {"wrong body magic", body([](Bytes& b) { b[0] = 'X'; }), ReadError::BadBody},
        {"wrong body version", body([](Bytes& b) { b[4] = 2; }), ReadError::BadBody},
        {"size field not the body's", body([](Bytes& b) { PutLe32(b, 8, 4095); }),
         ReadError::BadBody},
        {"checksum broken", body([](Bytes& b) { b[4000] = 1; }, false), ReadError::BadBody},
        {"too many sections", body([](Bytes& b) { b[6] = 17; }), ReadError::BadBody},
        {"table past the end", body([](Bytes& b) {
             b[6] = 0xFF;
             b[7] = 0xFF;
         }),
         ReadError::BadBody},
        {"section inside the table", body([](Bytes& b) { PutLe32(b, 32 + 4, 40); }),
         ReadError::BadBody},
        {"section past the end", body([](Bytes& b) { PutLe32(b, 32 + 8, 5000); }),
         ReadError::BadBody},
        {"length wraps around", body([](Bytes& b) { PutLe32(b, 32 + 8, 0xFFFFFFF0); }),
         ReadError::BadBody},
        {"no style sheet", build([](auto& s) { s.erase(s.begin() + 2); }), ReadError::BadBody},
        {"no palette", build([](auto& s) { s.erase(s.begin() + 1); }), ReadError::BadBody},
        {"two palettes", build([](auto& s) { s.push_back(s[1]); }), ReadError::BadBody},
        {"style name with a space", build([](auto& s) {
             s[0].bytes = {'F', ' ', 'x'};
         }),
         ReadError::BadBody},
        {"empty style name", build([](auto& s) { s[0].bytes.clear(); }), ReadError::BadBody},
        {"palette entry cut", build([](auto& s) { s[1].bytes.pop_back(); }), ReadError::BadBody},
        {"palette role unknown", build([](auto& s) { s[1].bytes[0] = 20; }), ReadError::BadBody},
        {"palette group unknown", build([](auto& s) { s[1].bytes[1] = 4; }), ReadError::BadBody},
        {"style sheet with a zero byte", build([](auto& s) { s[2].bytes[3] = 0; }),
         ReadError::BadBody},
        {"style sheet not UTF-8", build([](auto& s) {
             s[2].bytes.push_back(0xC0);
             s[2].bytes.push_back(0xAF);
         }),
         ReadError::BadBody},
        {"tile of width 0", build([](auto& s) { s[3].bytes[0] = 0; }), ReadError::BadBody},
        {"tile larger than its pixels", build([](auto& s) { s[3].bytes[2] = 2; }),
         ReadError::BadBody},
        {"tile side over 256", build([](auto& s) {
             s[3].bytes[0] = 1;
             s[3].bytes[1] = 1;
         }),
         ReadError::BadBody},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_STREQ(Name(ParseBody(c.body, "").error), Name(c.expected));
    }
}

// Catches a theme that outgrew its body or a stream that outgrew the file.
TEST(SkinFileTest, WriterRefusesWhatDoesNotFit) {
    EXPECT_FALSE(BuildBody(SectionsOf(SampleTheme()), "", 64));
    EXPECT_FALSE(PackSkinFile(4096, Bytes(100), StreamOffset + 99));
    EXPECT_TRUE(PackSkinFile(4096, Bytes(100), StreamOffset + 100));
}

Bytes ReadAsset(const char* name) {
    std::ifstream in(std::string(DORVANE_ASSETS_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Catches a carried skin file of the wrong size or header, or one our own
// reader does not accept with the empty password the program passes.
TEST(SkinFileTest, CarriedSkinFileKeepsItsSizeAndHeader) {
    const Bytes file = ReadAsset("kiss.she");
    ASSERT_EQ(file.size(), 13192u);
    const Bytes header = {0x2E, 0x53, 0x48, 0x45, 0x00, 0x03, 0x58, 0xAC,
                          0x02, 0x00, 0x5D, 0x00, 0x00, 0x80, 0x00};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 15), header);
    const BodyResult body = DecompressBody(file);
    ASSERT_STREQ(Name(body.error), "None");
    EXPECT_EQ(body.body.size(), 175192u);
    const ReadResult theme = ReadSkinFile(file, "");
    ASSERT_STREQ(Name(theme.error), "None");
    EXPECT_EQ(theme.theme.baseStyle, "Fusion");
    EXPECT_NE(theme.theme.styleSheet.find("QPushButton"), std::string::npos);
    EXPECT_STREQ(Name(ReadSkinFile(file, "x").error), "WrongPassword");
}

}  // namespace
}  // namespace dorvane::skin
