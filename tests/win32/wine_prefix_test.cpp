// The prefix the Windows tests run in behaves as a Chinese Windows for the
// program's GBK texts: the ANSI code page is 936, so the GBK bytes the build
// puts in the binary (-fexec-charset=GBK) mean the same characters to the
// ...A functions. Without the zh_CN.UTF-8 locale, Wine picks another code
// page and every caption turns to mojibake.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

TEST(WinePrefix, AnsiCodePageIsGbk) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(WinePrefix, GbkBytesOfTheBuildAreTheirCharactersInTheAnsiCodePage) {
    struct Case {
        const char* ansi;
        std::wstring wide;
    };
    const Case cases[] = {
        {"宋体", L"\u5B8B\u4F53"},
        {"非诚勿扰", L"\u975E\u8BDA\u52FF\u6270"},
        {"按钮4", L"\u6309\u94AE4"},
    };
    for (const Case& c : cases) {
        wchar_t wide[16] = {};
        const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, c.ansi, -1, wide, 16);
        ASSERT_GT(n, 0) << c.ansi;
        EXPECT_EQ(std::wstring(wide), c.wide);
    }
    // the bytes themselves, so a build without the GBK flags cannot pass
    EXPECT_EQ(std::string("宋体"), std::string("\xCB\xCE\xCC\xE5"));
}

}  // namespace
