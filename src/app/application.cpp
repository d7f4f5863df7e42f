#include "app/application.h"

#include <cstdlib>
#include <new>

#include "app/run_directory.h"
#include "app/runtime_error.h"
#include "layout/main_window_layout.h"
#include "layout/program_values.h"
#include "payloads/payloads.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {

namespace {

Application* running = nullptr;  // the one whose RuntimeError the free function reaches

void OutOfMemory() { RuntimeError("内存不足，程序无法继续运行。"); }

}  // namespace

[[noreturn]] void RuntimeError(std::string_view gbkMessage) {
    if (running != nullptr) running->RuntimeError(gbkMessage);
    std::abort();  // nothing started: no box to show, no clean-up to run
}

Application::Application(Platforms platforms)
    : platforms_(platforms), mainWindow_(platforms.window, platforms.libraries, state_) {}

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
    platforms_.process.SetCurrentDirectory(state_.runDirectory);

    StartupSubroutine(platforms_.files, state_);
    LoadWindow();
    MessageLoop();
    EndCleanUp();
    return 0;
}

void Application::LoadWindow() {
    const MainWindowLayout& layout = TheMainWindowLayout();
    if (layout.controls.empty()) RuntimeError("窗口数据缺失，程序无法继续运行。");
    const Point place = StartPlace(layout, platforms_.window.PrimaryScreenSize());
    if (!platforms_.window.CreateMainWindow(layout, place, mainWindow_)) {
        RuntimeError("无法创建程序窗口，程序无法继续运行。");
    }
    for (const ControlLayout& control : layout.controls) {
        platforms_.window.SetControlShown(control.name, control.visible);
    }
    mainWindow_.Created();
    if (!platforms_.window.WindowExists()) return;
    platforms_.window.ShowWindow();
    const std::vector<const ControlLayout*> focusOrder = StartFocusOrder(layout);
    if (!focusOrder.empty()) platforms_.window.FocusControl(focusOrder.front()->name);
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
