// Start-up, end and fatal-stop order, against the recording platform.
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/run_directory.h"
#include "browser/browser_handlers.h"
#include "payloads/payloads.h"
#include "recording_platform.h"

namespace dorvane {
namespace {

using testing::ExitCalled;
using testing::RecordingPlatform;

const std::string RunDir = "Z:\\opt\\dorvane";
const std::string LibraryBesideProgram = RunDir + "\\SkinH_EL.dll";

struct Harness {
    RecordingPlatform platform;
    testing::TestCarriedFiles carried;
    Application application{{platform, platform, platform, platform}, carried.Files()};
};

std::string WriteLine(const std::string& path, EmbeddedPayload payload) {
    const std::string n = std::to_string(payload.Content().size());
    return "Write " + path + " " + n + " -> " + n;
}

// Catches a sequence run in the wrong order: a file written after the
// window, the skin attached before the tray icon or after the first show,
// the library unloaded after the web engine has gone.
TEST(StartSequence, NormalRunCallsThePlatformInOrder) {
    Harness h;
    h.platform.loadable[LibraryBesideProgram] = true;

    EXPECT_EQ(h.application.StartSequence(), 0);

    const std::string skinFile(SkinFilePath);
    const std::vector<std::string> expected = {
        "InitialiseComponent",
        "ExecutablePath",
        "SetCurrentDirectory " + RunDir,
        "CreateAlways " + skinFile,
        WriteLine(skinFile, h.carried.Files().skinFile),
        "Close " + skinFile,
        "CreateAlways " + LibraryBesideProgram,
        WriteLine(LibraryBesideProgram, h.carried.Files().skinLibrary),
        "Close " + LibraryBesideProgram,
        "CreateMainWindow 16,56",
        "IconFileBytes",
        "SetTrayIcon 99678",
        "Load " + LibraryBesideProgram,
        "Symbol SkinH_AttachEx",
        "SkinH_AttachEx " + skinFile + " password=\"\"",
        "ShowWindow",
        "FocusControl " + std::string(MainPaneName()),
        "RunMessageLoop",
        "RemoveTrayIcon",
        "Unload " + LibraryBesideProgram,
        "ReleaseIcons",
        "ShutdownComponent",
    };
    EXPECT_EQ(h.platform.calls, expected);
    EXPECT_FALSE(h.platform.skinPasswordWasNull);
    // every control got its initial visibility before the created actions
    EXPECT_EQ(h.platform.controlWrites, 78);
}

TEST(StartSequence, WrittenFilesHoldExactlyTheCarriedBytes) {
    Harness h;
    h.platform.loadable[LibraryBesideProgram] = true;
    h.platform.files[LibraryBesideProgram] =
        std::vector<std::uint8_t>(200000, 0xEE);  // older, longer

    h.application.StartSequence();

    const auto skin = h.carried.Files().skinFile.Content();
    const auto library = h.carried.Files().skinLibrary.Content();
    EXPECT_EQ(h.platform.files[std::string(SkinFilePath)],
              std::vector<std::uint8_t>(skin.begin(), skin.end()));
    EXPECT_EQ(h.platform.files[LibraryBesideProgram],
              std::vector<std::uint8_t>(library.begin(), library.end()));
}

// The library is searched beside the program first, then by the loader's own
// search; whichever loads is the one unloaded at the end.
TEST(StartSequence, SkinLibraryFoundByTheLoadersSearchWhenNotBesideTheProgram) {
    Harness h;
    h.platform.loadable["SkinH_EL.dll"] = true;

    EXPECT_EQ(h.application.StartSequence(), 0);

    const auto& calls = h.platform.calls;
    const auto at = [&](const std::string& line) {
        return std::find(calls.begin(), calls.end(), line) - calls.begin();
    };
    EXPECT_LT(at("Load " + LibraryBesideProgram + " failed"), at("Load SkinH_EL.dll"));
    EXPECT_LT(at("Load SkinH_EL.dll"), at("ShowWindow"));
    EXPECT_LT(at("RunMessageLoop"), at("Unload SkinH_EL.dll"));
    EXPECT_LT(at("Unload SkinH_EL.dll"), at("ShutdownComponent"));
}

// A skin library that cannot be bound is fatal while the window is hidden:
// the window is never shown, a library that loaded is unloaded before the
// report, the tray icon does not outlive the process, and the exit code is -1.
struct BindingFailure {
    const char* what;
    std::map<std::string, bool> loadable;
    std::vector<std::string> expectedTail;
};

class SkinBindingFailure : public ::testing::TestWithParam<BindingFailure> {};

TEST_P(SkinBindingFailure, EndsThroughTheErrorBoxWithoutShowingTheWindow) {
    Harness h;
    h.platform.loadable = GetParam().loadable;

    try {
        h.application.StartSequence();
        FAIL() << "StartSequence returned";
    } catch (const ExitCalled& exit) {
        EXPECT_EQ(exit.code, -1);
    }

    const auto& calls = h.platform.calls;
    const auto tray = std::find(calls.begin(), calls.end(), "SetTrayIcon 99678");
    ASSERT_NE(tray, calls.end());
    const std::vector<std::string> tail(tray + 1, calls.end());
    EXPECT_EQ(tail, GetParam().expectedTail);
    EXPECT_NE(h.platform.errorBoxText.find("SkinH_EL.dll"), std::string::npos);
    EXPECT_NE(h.platform.errorBoxText.find("SkinH_AttachEx"), std::string::npos);
}

const std::vector<std::string> FatalEnd = {"ShowErrorBox", "RemoveTrayIcon", "ReleaseIcons",
                                           "ShutdownComponent", "ExitProcess -1"};

std::vector<std::string> Then(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinBindingFailure,
    ::testing::Values(BindingFailure{"missing everywhere",
                                     {},
                                     Then({"Load " + LibraryBesideProgram + " failed",
                                           "Load SkinH_EL.dll failed"},
                                          FatalEnd)},
                      BindingFailure{"no export",
                                     {{LibraryBesideProgram, false}},
                                     Then({"Load " + LibraryBesideProgram, "Symbol SkinH_AttachEx",
                                           "Unload " + LibraryBesideProgram},
                                          FatalEnd)},
                      BindingFailure{
                          "found by search without the export",
                          {{"SkinH_EL.dll", false}},
                          Then({"Load " + LibraryBesideProgram + " failed", "Load SkinH_EL.dll",
                                "Symbol SkinH_AttachEx", "Unload SkinH_EL.dll"},
                               FatalEnd)}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(StartSequence, WindowThatCannotBeCreatedIsFatal) {
    Harness h;
    h.platform.windowCreatable = false;
    EXPECT_THROW(h.application.StartSequence(), ExitCalled);
    EXPECT_EQ(std::count(h.platform.calls.begin(), h.platform.calls.end(), "ShowWindow"), 0);
    EXPECT_EQ(h.platform.calls.back(), "ExitProcess -1");
}

// A window destroyed by its own created actions is not shown, and the loop
// is not entered: the program ends normally.
TEST(StartSequence, WindowGoneAfterCreatedActionsSkipsShowAndLoop) {
    Harness h;
    h.platform.loadable[LibraryBesideProgram] = true;
    h.platform.destroyWindowInCreatedActions = true;

    EXPECT_EQ(h.application.StartSequence(), 0);
    const auto& calls = h.platform.calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ShowWindow"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "RunMessageLoop"), 0);
    EXPECT_EQ(calls.back(), "ShutdownComponent");
}

// No icon: no tray image, but the skin is still attached.
TEST(StartSequence, WindowWithoutIconStillAttachesTheSkin) {
    Harness h;
    h.platform.loadable[LibraryBesideProgram] = true;
    h.platform.iconFile.reset();

    EXPECT_EQ(h.application.StartSequence(), 0);
    const auto& calls = h.platform.calls;
    const auto tray = std::find(calls.begin(), calls.end(), "SetTrayIcon 0");
    ASSERT_NE(tray, calls.end());
    EXPECT_EQ(*(tray + 1), "Load " + LibraryBesideProgram);
}

// The tray tip, pinned as GBK bytes: "DorvaneV6.0,作者TamselQQ2839475610".
TEST(StartSequence, TrayTipIsTheGbkText) {
    Harness h;
    h.platform.loadable[LibraryBesideProgram] = true;
    h.application.StartSequence();
    EXPECT_EQ(h.platform.trayTip, "DorvaneV6.0,\xD7\xF7\xD5\xDFTamselQQ2839475610");
}

// A failure inside the error box's own clean-up must not loop back into it.
TEST(RuntimeError, SecondFailureDuringTheStopEndsAtOnce) {
    Harness h;
    h.platform.loadable[LibraryBesideProgram] = true;
    h.application.StartSequence();
    h.platform.calls.clear();
    EXPECT_THROW(h.application.RuntimeError("first"), ExitCalled);
    EXPECT_THROW(h.application.RuntimeError("second"), ExitCalled);
    EXPECT_EQ(std::count(h.platform.calls.begin(), h.platform.calls.end(), "ShowErrorBox"), 1);
}

// The run directory is everything before the last backslash. GBK trail bytes
// may be 0x5C: splitting there would cut a character in half.
struct SplitCase {
    const char* path;
    const char* runDirectory;
};

class RunDirectorySplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(RunDirectorySplit, TakesThePartBeforeTheLastBackslash) {
    EXPECT_EQ(RunDirectoryOf(GetParam().path), GetParam().runDirectory);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunDirectorySplit,
                         ::testing::Values(SplitCase{"C:\\x.exe", "C:"},
                                           SplitCase{"C:\\Tools\\app.exe", "C:\\Tools"},
                                           SplitCase{"Z:\\opt\\d\\dorvane", "Z:\\opt\\d"},
                                           SplitCase{"dorvane", ""}, SplitCase{"", ""},
                                           SplitCase{"Z:\\\x95\x5C\\app", "Z:\\\x95\x5C"},
                                           SplitCase{"Z:\\d\\\x95\x5C", "Z:\\d"}));

TEST(StartSequence, CurrentDirectoryAndLibraryPathFollowTheExecutable) {
    struct Case {
        const char* executable;
        const char* library;
    };
    for (const Case& c :
         {Case{"C:\\Tools\\app.exe", "C:\\Tools\\SkinH_EL.dll"},
          Case{"D:\\app.exe", "D:\\SkinH_EL.dll"}, Case{"app.exe", "\\SkinH_EL.dll"}}) {
        Harness h;
        h.platform.executablePath = c.executable;
        h.platform.loadable[c.library] = true;
        EXPECT_EQ(h.application.StartSequence(), 0) << c.executable;
        EXPECT_EQ(h.platform.calls[2], "SetCurrentDirectory " + RunDirectoryOf(c.executable));
        EXPECT_TRUE(h.platform.files.count(c.library)) << c.executable;
    }
}

}  // namespace
}  // namespace dorvane
