// ProcessPlatform on this machine. Provides: the web engine's bring-up and
// shut-down, the executable's path from /proc/self/exe as a Z:\ path, the
// current directory, the fatal error box (QMessageBox) and the immediate
// exit. Needs a QApplication for the engine and the box.
#pragma once

#include "app/process_platform.h"

namespace dorvane {

class QtProcess : public ProcessPlatform {
  public:
    void InitialiseComponent() override;
    void ShutdownComponent() override;
    // empty when the path cannot be read or has no GBK form
    std::string ExecutablePath() override;
    bool SetWorkingDirectory(std::string_view windowsPath) override;
    void ShowErrorBox(std::string_view gbkText) override;
    void ReleaseIcons() override;
    // stdio is flushed, nothing else runs: no destructors, no atexit handlers
    [[noreturn]] void ExitProcess(int code) override;
};

}  // namespace dorvane
