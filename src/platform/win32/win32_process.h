// ProcessPlatform on Windows. Provides: OLE's bring-up and shut-down on the
// GUI thread (OleInitialize/OleUninitialize, which the WebBrowser panes
// need), the executable's full path (GetModuleFileNameA with a buffer grown
// until the path fits), the working directory (SetCurrentDirectoryA), the
// fatal box (MessageBoxA without owner or caption, MB_OK | MB_ICONHAND) and
// ExitProcess. Does not provide: any icon handles of its own (the window
// owns its icons and frees them when it is destroyed), any path mapping.
#pragma once

#include "app/process_platform.h"

namespace dorvane {

class Win32Process : public ProcessPlatform {
  public:
    void InitialiseComponent() override;
    void ShutdownComponent() override;
    std::string ExecutablePath() override;
    bool SetWorkingDirectory(std::string_view windowsPath) override;
    void ShowErrorBox(std::string_view gbkText) override;
    void ReleaseIcons() override;
    [[noreturn]] void ExitProcess(int code) override;
};

}  // namespace dorvane
