// The Win32 file system and library loader under Wine, on real files and
// libraries. A second Wine process (this program started with --hold) holds
// a file the way another program does: opened without sharing.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/fatal_stop.h"
#include "payloads/payloads.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_library_loader.h"
#include "unit/recording_platform.h"
#include "window/main_window.h"

namespace dorvane {
namespace {

std::string FolderOfThisProgram() {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

// a new empty folder under the temporary folder, removed with its files
class ScratchFolder {
  public:
    ScratchFolder() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "dorvane-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(next_++);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::string& file : files_) DeleteFileA(file.c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) {
        files_.push_back(path_ + "\\" + name);
        return files_.back();
    }
    const std::string& Path() const { return path_; }

  private:
    static inline int next_ = 0;
    std::string path_;
    std::vector<std::string> files_;
};

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Another process holding `path` opened for writing without sharing, until destroyed.
class HeldElsewhere {
  public:
    explicit HeldElsewhere(const std::string& path) {
        const std::string name = "DorvaneHold" + std::to_string(GetCurrentProcessId());
        ready_ = CreateEventA(nullptr, TRUE, FALSE, (name + "Ready").c_str());
        release_ = CreateEventA(nullptr, TRUE, FALSE, (name + "Release").c_str());
        char self[MAX_PATH * 4];
        GetModuleFileNameA(nullptr, self, sizeof(self));
        std::string command = "\"" + std::string(self) + "\" --hold \"" + path + "\" " + name;
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &process_)) {
            CloseHandle(process_.hThread);
            held_ = WaitForSingleObject(ready_, 30000) == WAIT_OBJECT_0;
        }
    }
    ~HeldElsewhere() {
        SetEvent(release_);
        if (process_.hProcess != nullptr) {
            WaitForSingleObject(process_.hProcess, 30000);
            CloseHandle(process_.hProcess);
        }
        CloseHandle(ready_);
        CloseHandle(release_);
    }
    bool Held() const { return held_; }

  private:
    HANDLE ready_, release_;
    PROCESS_INFORMATION process_{};
    bool held_ = false;
};

// ---- the file system

struct WriteCase {
    const char* what;
    std::vector<std::uint8_t> before;  // empty: no file there
    std::vector<std::uint8_t> bytes;
};

class Win32FileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(Win32FileWrite, LeavesExactlyTheBytesWritten) {
    ScratchFolder folder;
    const std::string path = folder.File("payload.bin");
    if (!GetParam().before.empty()) WriteAll(path, GetParam().before);
    Win32FileSystem files;
    auto file = files.CreateAlways(path);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Write(GetParam().bytes), GetParam().bytes.size());
    EXPECT_TRUE(file->Close());
    EXPECT_EQ(ReadAll(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32FileWrite,
    ::testing::Values(
        WriteCase{"NewFile", {}, std::vector<std::uint8_t>(13192, 0x5A)},
        WriteCase{"LongerFileCutToTheNewBytes", std::vector<std::uint8_t>(500, 1), {7, 8, 9}},
        WriteCase{"NoBytesNewFile", {}, {}},
        WriteCase{"NoBytesEmptiesAnOldFile", std::vector<std::uint8_t>(64, 3), {}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Win32FileSystem, FileHeldByAnotherProcessCannotBeOpenedAndStaysWhole) {
    ScratchFolder folder;
    const std::string path = folder.File("held.dll");
    const std::vector<std::uint8_t> before(88576, 0x4C);
    WriteAll(path, before);
    {
        HeldElsewhere holder(path);
        ASSERT_TRUE(holder.Held());
        Win32FileSystem files;
        EXPECT_EQ(files.CreateAlways(path), nullptr);
    }
    EXPECT_EQ(ReadAll(path), before);
}

struct UnopenableCase {
    const char* what;
    std::string path;
};

class Win32FileUnopenable : public ::testing::TestWithParam<UnopenableCase> {};

TEST_P(Win32FileUnopenable, GivesNoFile) {
    Win32FileSystem files;
    EXPECT_EQ(files.CreateAlways(GetParam().path), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32FileUnopenable,
    ::testing::Values(UnopenableCase{"EmptyName", ""},
                      UnopenableCase{"MissingFolder", "C:\\dorvane-no-such-folder\\kiss.she"},
                      // the zero byte would cut the name to "C:\\x" otherwise
                      UnopenableCase{"ZeroByteInTheName", std::string("C:\\x\0y", 6)},
                      UnopenableCase{"AFolder", "C:\\windows"}),
    [](const auto& info) { return std::string(info.param.what); });

// ---- the library loader, as the window's skin binding uses it

struct StopCalled {};

class ThrowingStop : public FatalStop {
  public:
    [[noreturn]] void RuntimeError(std::string_view gbkMessage) override {
        message = gbkMessage;
        throw StopCalled{};
    }
    std::string message;
};

enum class Copy { None, WithExport, WithoutExport };

struct BindingCase {
    const char* what;
    Copy besideProgram;
    Copy onSearchPath;
    bool fatal;
    bool fromBeside;  // which copy runs when not fatal
};

class SkinBinding : public ::testing::TestWithParam<BindingCase> {};

void Place(Copy copy, const std::string& target) {
    if (copy == Copy::None) return;
    const std::string source =
        FolderOfThisProgram() + (copy == Copy::WithExport ? "\\dorvane_test_skin_export.dll"
                                                          : "\\dorvane_test_skin_noexport.dll");
    ASSERT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE)) << source;
}

TEST_P(SkinBinding, RunDirectoryFirstThenTheSearchOrder) {
    const BindingCase& test = GetParam();
    ScratchFolder runDirectory, searched;
    const std::string beside = runDirectory.File("SkinH_EL.dll");
    const std::string elsewhere = searched.File("SkinH_EL.dll");
    Place(test.besideProgram, beside);
    Place(test.onSearchPath, elsewhere);
    // the bare name's search finds the second folder
    SetDllDirectoryA(searched.Path().c_str());

    testing::RecordingPlatform window;
    Win32LibraryLoader libraries;
    ThrowingStop stop;
    ApplicationState state;
    state.runDirectory = runDirectory.Path();
    state.fatalStop = &stop;
    MainWindow mainWindow(window, libraries, state);

    bool stopped = false;
    try {
        mainWindow.AttachSkin();
    } catch (const StopCalled&) {
        stopped = true;
    }
    SetDllDirectoryA(nullptr);

    EXPECT_EQ(stopped, test.fatal);
    if (test.fatal) {
        EXPECT_NE(stop.message.find("SkinH_AttachEx"), std::string::npos);
        EXPECT_NE(stop.message.find("SkinH_EL.dll"), std::string::npos);
        EXPECT_TRUE(state.loadedLibraries.empty());
        // a library without the function is unloaded before the stop
        EXPECT_EQ(GetModuleHandleA(beside.c_str()), nullptr);
        EXPECT_EQ(GetModuleHandleA(elsewhere.c_str()), nullptr);
        return;
    }
    ASSERT_EQ(state.loadedLibraries.size(), 1u);
    auto* library = static_cast<HMODULE>(state.loadedLibraries.front());
    char loaded[MAX_PATH];
    GetModuleFileNameA(library, loaded, MAX_PATH);
    EXPECT_EQ(lstrcmpiA(loaded, (test.fromBeside ? beside : elsewhere).c_str()), 0) << loaded;
    const auto* lastSkinFile =
        reinterpret_cast<const char*>(GetProcAddress(library, "LastSkinFile"));
    ASSERT_NE(lastSkinFile, nullptr);
    EXPECT_EQ(std::string(lastSkinFile), std::string(SkinFilePath));
    libraries.Unload(library);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinBinding,
    ::testing::Values(
        BindingCase{"BesideTheProgram", Copy::WithExport, Copy::WithExport, false, true},
        BindingCase{"OnlyOnTheSearchPath", Copy::None, Copy::WithExport, false, false},
        // the copy beside the program is bound or fatal: the search is not tried
        BindingCase{"BesideWithoutTheFunction", Copy::WithoutExport, Copy::WithExport, true, false},
        BindingCase{"SearchedWithoutTheFunction", Copy::None, Copy::WithoutExport, true, false},
        BindingCase{"NowhereToBeHad", Copy::None, Copy::None, true, false}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace dorvane

// --hold PATH NAME: open PATH for writing without sharing, signal NAME"Ready",
// wait for NAME"Release"
int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--hold") == 0) {
        HANDLE file = CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        const std::string name = argv[3];
        HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "Ready").c_str());
        HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, (name + "Release").c_str());
        if (ready == nullptr || release == nullptr) return 1;
        SetEvent(ready);
        WaitForSingleObject(release, 60000);
        CloseHandle(file);
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
