// The null platform: every interface the plain logic talks through, each
// operation doing nothing and recording nothing. Benchmarks and headless runs
// use it, so they measure or drive the plain logic alone.
// Provides: a window that can be built (controls "exist" and show as told
// nowhere), a file system whose files swallow every byte, a loader that loads
// nothing, a process that does not end (ExitProcess aborts: nothing may reach it).
// Does not provide: any record of the calls (tests/unit's recording platform does).
#pragma once

#include "app/process_platform.h"
#include "core/library_loader.h"
#include "payloads/file_system.h"
#include "window/window_platform.h"

namespace dorvane {

class NullProcess : public ProcessPlatform {
  public:
    void InitialiseComponent() override {}
    void ShutdownComponent() override {}
    std::string ExecutablePath() override { return "Z:\\dorvane"; }
    bool SetWorkingDirectory(std::string_view) override { return true; }
    void ShowErrorBox(std::string_view) override {}
    void ReleaseIcons() override {}
    [[noreturn]] void ExitProcess(int code) override;
};

class NullFileSystem : public FileSystem {
  public:
    std::unique_ptr<WritableFile> CreateAlways(std::string_view path) override;
};

class NullWindow : public WindowPlatform {
  public:
    Size PrimaryScreenSize() override { return {1024, 768}; }
    bool CreateMainWindow(const WindowSettings&, Point, MainWindowEvents&) override;
    bool CreateControl(const ControlLayout&) override { return exists_; }
    void RaiseControl(std::string_view) override {}
    void SetControlShown(std::string_view, bool) override {}
    bool ControlShowsNow(std::string_view) override { return false; }
    void FocusControl(std::string_view, FocusCause) override {}
    std::string_view FocusedControl() override { return {}; }
    void CloseWindow() override { exists_ = false; }
    bool WindowExists() override { return exists_; }
    void ShowWindow() override {}
    // no events come in: the window closes at once
    void RunMessageLoop() override { exists_ = false; }
    std::optional<std::vector<std::uint8_t>> IconFileBytes() override { return std::nullopt; }
    bool SetTrayIcon(std::span<const std::uint8_t>, std::string_view) override { return false; }
    void RemoveTrayIcon() override {}
    void ShowNoticeBox(std::string_view, std::string_view) override {}
    void Navigate(std::string_view, std::string_view) override {}

  private:
    bool exists_ = false;
};

class NullLibraries : public LibraryLoader {
  public:
    LibraryHandle Load(std::string_view) override { return nullptr; }
    void* Symbol(LibraryHandle, const char*) override { return nullptr; }
    void Unload(LibraryHandle) override {}
};

}  // namespace dorvane
