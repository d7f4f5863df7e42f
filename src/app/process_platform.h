// What the start-up sequence and the fatal stop need of the process and the
// platform around it. Adapters: platform/qt/qt_process, platform/null.
#pragma once

#include <string>
#include <string_view>

namespace dorvane {

class ProcessPlatform {
  public:
    virtual ~ProcessPlatform() = default;
    // Bring-up and shut-down of the web engine's shared state (the OLE
    // initialisation of the original); results are ignored.
    virtual void InitialiseComponent() = 0;
    virtual void ShutdownComponent() = 0;
    // the executable's full path, Windows-style GBK, never truncated
    virtual std::string ExecutablePath() = 0;
    virtual bool SetWorkingDirectory(std::string_view windowsPath) = 0;
    // modal box with no owner, OK button and the stop icon; returns when dismissed
    virtual void ShowErrorBox(std::string_view gbkText) = 0;
    // release the program's icon handles
    virtual void ReleaseIcons() = 0;
    // ends the process at once; never returns
    [[noreturn]] virtual void ExitProcess(int code) = 0;
};

}  // namespace dorvane
