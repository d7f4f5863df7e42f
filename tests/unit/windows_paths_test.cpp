// The Windows-style path mapping, both ways, with a private data home so the
// drive C: folder lives in a temporary folder.
#include "platform/posix/windows_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/posix/gbk.h"

namespace dorvane::paths {
namespace {

namespace fs = std::filesystem;

class WindowsPathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/dorvane_paths_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dataHome_ = pattern;
        if (const char* old = std::getenv("XDG_DATA_HOME")) {
            oldDataHome_ = old;
        }
        setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
        oldCwd_ = fs::current_path();
        driveC_ = dataHome_ + "/dorvane/drive_c";
    }
    void TearDown() override {
        fs::current_path(oldCwd_);
        if (oldDataHome_) {
            setenv("XDG_DATA_HOME", oldDataHome_->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        fs::remove_all(dataHome_);
    }
    // "@C" at the start of an expected path stands for the C: folder.
    std::string Expand(const std::string& path) const {
        return path.rfind("@C", 0) == 0 ? driveC_ + path.substr(2) : path;
    }

    std::string dataHome_;
    std::string driveC_;
    std::optional<std::string> oldDataHome_;
    fs::path oldCwd_;
};

std::string Hex(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// Catches a C: folder in the wrong place or without the folders Windows has,
// which would make the skin file's write fail for lack of its folder.
TEST_F(WindowsPathsTest, DriveCFolderIsPreparedUnderTheDataHome) {
    EXPECT_EQ(DriveCFolder(), driveC_);
    EXPECT_TRUE(fs::is_directory(driveC_ + "/WINDOWS/system32/drivers"));

    setenv("XDG_DATA_HOME", "relative/ignored", 1);  // XDG: relative values do not count
    const std::string home = dataHome_ + "/home";
    fs::create_directories(home);
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(DriveCFolder(), home + "/.local/share/dorvane/drive_c");
    EXPECT_TRUE(fs::is_directory(home + "/.local/share/dorvane/drive_c/WINDOWS/system32/drivers"));
    setenv("HOME", savedHome.c_str(), 1);
}

// Catches a wrong drive mapping, a lost or doubled separator, case-sensitive
// drive letters and a reverse mapping that does not lead back.
TEST_F(WindowsPathsTest, RoundTrips) {
    struct Case {
        const char* windows;
        const char* posix;  // "@C" is the C: folder
        const char* back;   // ToWindows(posix)
    } const cases[] = {
        {"C:\\WINDOWS\\system32\\drivers\\kiss.she", "@C/WINDOWS/system32/drivers/kiss.she",
         "C:\\WINDOWS\\system32\\drivers\\kiss.she"},
        {"Z:\\opt\\d\\dorvane", "/opt/d/dorvane", "Z:\\opt\\d\\dorvane"},
        {"Z:\\opt\\d\\SkinH_EL.dll", "/opt/d/SkinH_EL.dll", "Z:\\opt\\d\\SkinH_EL.dll"},
        {"z:\\usr\\lib", "/usr/lib", "Z:\\usr\\lib"},
        {"c:\\Tools\\app.exe", "@C/Tools/app.exe", "C:\\Tools\\app.exe"},
        {"Z:/mixed\\slashes//twice", "/mixed/slashes/twice", "Z:\\mixed\\slashes\\twice"},
        {"Z:\\", "/", "Z:\\"},
        {"C:\\", "@C/", "C:\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windows);
        const std::optional<std::string> posix = ToPosix(c.windows);
        ASSERT_TRUE(posix);
        EXPECT_EQ(*posix, Expand(c.posix));
        EXPECT_EQ(ToWindows(*posix), std::optional<std::string>(c.back));
    }
    EXPECT_EQ(ToWindows(driveC_), std::optional<std::string>("C:\\"));
    // a folder merely starting with the C: folder's name is not on drive C:
    EXPECT_EQ(ToWindows(driveC_ + "x/a"), std::optional<std::string>("Z:" + [&] {
                  std::string s = driveC_ + "x/a";
                  for (char& ch : s) ch = ch == '/' ? '\\' : ch;
                  return s;
              }()));
}

// Catches GBK handled as bytes: 淺 is 9C 5C in GBK, its second byte a
// backslash, so splitting before decoding cuts the name in two.
TEST_F(WindowsPathsTest, ChineseNamesAreGbkOnTheWindowsSide) {
    struct Case {
        std::string windowsGbk;
        const char* posixUtf8;
    } const cases[] = {
        // C:\皮肤\表.txt
        {"C:\\\xC6\xA4\xB7\xF4\\\xB1\xED.txt", "@C/皮肤/表.txt"},
        // Z:\tmp\淺色.she
        {"Z:\\tmp\\\x9C\x5C\xC9\xAB.she", "/tmp/淺色.she"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Hex(c.windowsGbk));
        EXPECT_EQ(ToPosix(c.windowsGbk), std::optional<std::string>(Expand(c.posixUtf8)));
        EXPECT_EQ(ToWindows(Expand(c.posixUtf8)), std::optional<std::string>(c.windowsGbk));
    }
}

// Catches drive-less paths put on a fixed drive instead of the current one,
// and drive-relative names ("C:name") taken as rooted on the current drive.
TEST_F(WindowsPathsTest, PathsWithoutADriveAreOnTheCurrentDrive) {
    struct Case {
        const char* cwd;  // "@C" is the C: folder
        const char* windows;
        const char* posix;
    } const cases[] = {
        {"/tmp", "\\SkinH_EL.dll", "/SkinH_EL.dll"},
        {"@C/WINDOWS", "\\SkinH_EL.dll", "@C/SkinH_EL.dll"},
        {"@C", "\\WINDOWS\\system32", "@C/WINDOWS/system32"},
        {"/tmp", "sub\\file.txt", "sub/file.txt"},
        {"@C/WINDOWS", "sub\\file.txt", "sub/file.txt"},
        {"@C/WINDOWS", "C:kiss.she", "kiss.she"},
        {"/tmp", "C:kiss.she", "@C/kiss.she"},
        {"/tmp", "Z:kiss.she", "kiss.she"},
        {"@C/WINDOWS", "Z:kiss.she", "/kiss.she"},
        {"/tmp", "C:", "@C/"},
        {"/tmp", "Z:", "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cwd) + " | " + c.windows);
        DriveCFolder();
        fs::current_path(Expand(c.cwd));
        EXPECT_EQ(ToPosix(c.windows), std::optional<std::string>(Expand(c.posix)));
    }
}

// Catches a drive other than C: and Z: quietly mapped somewhere, and UNC or
// malformed drive prefixes taken for files.
TEST_F(WindowsPathsTest, UnknownDrivesMapToNothing) {
    const char* cases[] = {
        "D:\\app.exe",    "d:\\SkinH_EL.dll", "A:", "Q:relative", "\\\\server\\share\\file",
        "//server/share", "1:\\file",         "",
    };
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        EXPECT_EQ(ToPosix(c), std::nullopt);
    }
}

// Catches invalid bytes passed through, or replaced by a guessed character.
TEST_F(WindowsPathsTest, InvalidTextsMapToNothing) {
    const std::string toPosix[] = {
        "C:\\cut\x81",                       // a lead byte with no trail
        "C:\\bad\x81\x20trail",              // a trail byte out of range
        "Z:\\\xFF",                          // not a GBK byte at all
        std::string("Z:\\nul\0inside", 13),  // no file name holds a zero byte
    };
    for (const std::string& c : toPosix) {
        SCOPED_TRACE(Hex(c));
        EXPECT_EQ(ToPosix(c), std::nullopt);
    }
    const std::string toWindows[] = {
        "/tmp/\xF0\x9F\x98\x80.txt",  // an emoji has no GBK form
        "/tmp/\xC3",                  // cut-off UTF-8
        "relative/path",              // the reverse mapping takes absolute paths
        "/tmp/back\\slash",           // would read back as two names
        "",
    };
    for (const std::string& c : toWindows) {
        SCOPED_TRACE(Hex(c));
        EXPECT_EQ(ToWindows(c), std::nullopt);
    }
}

// The converter underneath: exact bytes both ways, so a wrong code page
// (GB18030 accepting four-byte forms, Latin-1 passing bytes through) fails.
TEST(GbkTest, ConvertsExactlyAndRefusesWhatIsNotGbk) {
    EXPECT_EQ(gbk::FromUtf8("意境1"), std::optional<std::string>("\xD2\xE2\xBE\xB3"
                                                                 "1"));
    EXPECT_EQ(gbk::ToUtf8("\xD2\xE2\xBE\xB3"
                          "1"),
              std::optional<std::string>("意境1"));
    EXPECT_EQ(gbk::ToUtf8(""), std::optional<std::string>(""));
    EXPECT_EQ(gbk::ToUtf8("\x81\x30\x81\x30"), std::nullopt);  // GB18030 only
    EXPECT_EQ(gbk::FromUtf8("\xF0\x9F\x98\x80"), std::nullopt);
    const std::string longText(10000, 'a');
    EXPECT_EQ(gbk::ToUtf8(longText), std::optional<std::string>(longText));
}

}  // namespace
}  // namespace dorvane::paths
