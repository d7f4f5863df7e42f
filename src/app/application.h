// The program's start, run and end: StartSequence with LoadWindow and
// MessageLoop, the end clean-up, and the fatal stop. All platform work goes
// through the four interfaces, so the order of the calls can be tested; the
// carried files come from the program (they are linked into it, not here).
#pragma once

#include <string_view>

#include "app/process_platform.h"
#include "core/application_state.h"
#include "core/fatal_stop.h"
#include "core/library_loader.h"
#include "payloads/file_system.h"
#include "payloads/payloads.h"
#include "window/main_window.h"
#include "window/window_platform.h"

namespace dorvane {

struct Platforms {
    ProcessPlatform& process;
    FileSystem& files;
    WindowPlatform& window;
    LibraryLoader& libraries;
};

class Application : public FatalStop {
  public:
    Application(Platforms platforms, CarriedFiles carried);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Initialise, take the run directory, write the carried files, load the
    // window, run the loop; returns 0 after the normal end's clean-up.
    int StartSequence();
    [[noreturn]] void RuntimeError(std::string_view gbkMessage) override;

  private:
    void LoadWindow();
    void MessageLoop();
    void EndCleanUp();

    Platforms platforms_;
    CarriedFiles carried_;
    ApplicationState state_;
    MainWindow mainWindow_;
    bool failing_ = false;
};

}  // namespace dorvane
