#include "app/application.h"

#include <cstdlib>
#include <new>

#include "app/run_directory.h"
#include "core/phase_timing.h"
#include "core/program_values.h"
#include "layout/main_window_layout.h"
#include "window/main_window_build.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {

namespace {

// The allocator's new-handler takes no argument: the one place that reaches
// the running program's fatal stop other than through its state.
Application* running = nullptr;

void OutOfMemory() {
    if (running != nullptr) running->RuntimeError("内存不足，程序无法继续运行。");
    std::abort();  // nothing started: no box to show, no clean-up to run
}

}  // namespace

Application::Application(Platforms platforms, CarriedFiles carried)
    : platforms_(platforms),
      carried_(carried),
      mainWindow_(platforms.window, platforms.libraries, state_) {
    state_.fatalStop = this;
}

Application::~Application() {
    if (running == this) {
        running = nullptr;
        std::set_new_handler(nullptr);
    }
}

int Application::StartSequence() {
    running = this;
    std::set_new_handler(OutOfMemory);

    if (!state_.componentInitialised) {
        platforms_.process.InitialiseComponent();
        state_.componentInitialised = true;
    }
    state_.runDirectory = RunDirectoryOf(platforms_.process.ExecutablePath());
    platforms_.process.SetWorkingDirectory(state_.runDirectory);

    StartupSubroutine(platforms_.files, state_, carried_);
    LoadWindow();
    MessageLoop();
    EndCleanUp();
    return 0;
}

void Application::LoadWindow() {
    const MainWindowLayout& layout = TheMainWindowLayout();
    if (layout.controls.empty()) RuntimeError("窗口数据缺失，程序无法继续运行。");
    const Point place = StartPlace(layout, platforms_.window.PrimaryScreenSize());
    bool built;
    {
        DORVANE_TIME_PHASE(WindowAndControls);
        built = BuildMainWindow(platforms_.window, layout, place, mainWindow_);
    }
    if (!built) RuntimeError("无法创建程序窗口，程序无法继续运行。");
    mainWindow_.Created();
    if (!platforms_.window.WindowExists()) return;
    {
        DORVANE_TIME_PHASE(Show);
        platforms_.window.ShowWindow();
    }
    const std::vector<const ControlLayout*> focusOrder = StartFocusOrder(layout);
    if (!focusOrder.empty()) {
        platforms_.window.FocusControl(focusOrder.front()->name, FocusCause::Direct);
    }
}

void Application::MessageLoop() {
    if (!platforms_.window.WindowExists()) return;
    platforms_.window.RunMessageLoop();
}

void Application::EndCleanUp() {
    for (LibraryHandle library : state_.loadedLibraries) platforms_.libraries.Unload(library);
    state_.loadedLibraries.clear();
    platforms_.process.ReleaseIcons();
    if (state_.componentInitialised) {
        platforms_.process.ShutdownComponent();
        state_.componentInitialised = false;
    }
}

void Application::RuntimeError(std::string_view gbkMessage) {
    if (!failing_) {  // a failure inside the box or the clean-up ends at once
        failing_ = true;
        platforms_.process.ShowErrorBox(gbkMessage);
        // the icon added by the created actions must not outlive the process
        platforms_.window.RemoveTrayIcon();
        EndCleanUp();
    }
    platforms_.process.ExitProcess(-1);
    std::abort();  // ExitProcess does not return
}

}  // namespace dorvane
