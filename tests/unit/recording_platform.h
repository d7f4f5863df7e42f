// A fake of every platform interface that records each call, in order, as one
// line of text; knobs let a test make any call fail. The order of the lines is
// what the start-up and end tests check.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/process_platform.h"
#include "core/library_loader.h"
#include "payloads/file_system.h"
#include "payloads/payloads.h"
#include "window/window_platform.h"

namespace dorvane::testing {

// thrown by ExitProcess, so a test sees the exit code and the stack unwinds
struct ExitCalled {
    int code;
};

// Carried files made for the tests, in the carried layout, of the program's
// sizes and each with its own bytes (a swapped or cut write shows); the plain
// logic gets them handed in as the program hands in its own.
struct TestCarriedFiles {
    std::vector<std::uint8_t> skinFile = Carried(13192, 0x53);
    std::vector<std::uint8_t> skinLibrary = Carried(88576, 0x4C);
    CarriedFiles Files() const { return {EmbeddedPayload(skinFile), EmbeddedPayload(skinLibrary)}; }
    static std::vector<std::uint8_t> Carried(std::uint32_t size, std::uint8_t seed);
};

class RecordingPlatform : public ProcessPlatform,
                          public FileSystem,
                          public WindowPlatform,
                          public LibraryLoader {
  public:
    RecordingPlatform();

    std::vector<std::string> calls;

    // process
    std::string executablePath = "Z:\\opt\\dorvane\\dorvane";
    void InitialiseComponent() override;
    void ShutdownComponent() override;
    std::string ExecutablePath() override;
    bool SetWorkingDirectory(std::string_view path) override;
    void ShowErrorBox(std::string_view text) override;
    void ReleaseIcons() override;
    [[noreturn]] void ExitProcess(int code) override;
    std::string errorBoxText;

    // files: what each path holds; a path in `unopenable` fails to open; a
    // write past `diskSpace` bytes in one file comes short
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::set<std::string> unopenable;
    std::size_t diskSpace = SIZE_MAX;
    std::unique_ptr<WritableFile> CreateAlways(std::string_view path) override;

    // window: the build's steps (each control made, raised, shown or hidden)
    // go to `built`, one line each, not to `calls`
    bool windowCreatable = true;
    bool windowExists = false;
    std::set<std::string> uncreatableControls;
    std::optional<std::vector<std::uint8_t>> iconFile = std::vector<std::uint8_t>(99678, 0x42);
    std::function<void()> inMessageLoop;  // what the user does while the loop runs
    MainWindowEvents* events = nullptr;
    std::vector<std::string> built;
    std::set<std::string> shownControls;
    std::map<std::string, std::string> parents;  // of each control made
    std::string focused;                         // the control that has the focus, empty for none
    Size PrimaryScreenSize() override { return {1024, 768}; }
    bool CreateMainWindow(const WindowSettings& settings, Point place,
                          MainWindowEvents& windowEvents) override;
    bool CreateControl(const ControlLayout& row) override;
    void RaiseControl(std::string_view name) override;
    void SetControlShown(std::string_view name, bool shown) override;
    bool ControlShowsNow(std::string_view name) override;
    void FocusControl(std::string_view name, FocusCause cause) override;
    std::string_view FocusedControl() override { return focused; }
    void CloseWindow() override;
    bool WindowExists() override { return windowExists; }
    void ShowWindow() override;
    void RunMessageLoop() override;
    std::optional<std::vector<std::uint8_t>> IconFileBytes() override;
    bool SetTrayIcon(std::span<const std::uint8_t> iconBytes, std::string_view tip) override;
    void RemoveTrayIcon() override;
    void ShowNoticeBox(std::string_view caption, std::string_view text) override;
    void Navigate(std::string_view pane, std::string_view address) override;
    std::vector<std::uint8_t> trayIconBytes;
    std::string trayTip, noticeCaption, noticeText;
    int controlWrites = 0;  // SetControlShown calls, which are not logged one by one

    // libraries: the paths (or bare names) that load, and whether each exports the function
    std::map<std::string, bool> loadable;
    LibraryHandle Load(std::string_view pathOrName) override;
    void* Symbol(LibraryHandle library, const char* name) override;
    void Unload(LibraryHandle library) override;

    // the skin function the fake library exports logs its call here
    static RecordingPlatform* current;
    bool skinPasswordWasNull = false;
    // the window goes away while its created actions run
    bool destroyWindowInCreatedActions = false;

  private:
    std::vector<std::string> handles_;  // handle i+1 is handles_[i]
};

}  // namespace dorvane::testing
