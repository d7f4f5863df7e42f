// The program's start, run and end: StartSequence with LoadWindow and
// MessageLoop, the end clean-up, and the fatal stop. All platform work goes
// through the four interfaces, so the order of the calls can be tested.
#pragma once

#include <string_view>

#include "app/application_state.h"
#include "app/library_loader.h"
#include "app/process_platform.h"
#include "payloads/file_system.h"
#include "window/main_window.h"
#include "window/window_platform.h"

namespace dorvane {

struct Platforms {
    ProcessPlatform& process;
    FileSystem& files;
    WindowPlatform& window;
    LibraryLoader& libraries;
};

class Application {
public:
    explicit Application(Platforms platforms);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Initialise, take the run directory, write the carried files, load the
    // window, run the loop; returns 0 after the normal end's clean-up.
    int StartSequence();
    [[noreturn]] void RuntimeError(std::string_view gbkMessage);

    const ApplicationState& State() const { return state_; }
    MainWindow& Window() { return mainWindow_; }

private:
    void LoadWindow();
    void MessageLoop();
    void EndCleanUp();

    Platforms platforms_;
    ApplicationState state_;
    MainWindow mainWindow_;
    bool failing_ = false;
};

}  // namespace dorvane
