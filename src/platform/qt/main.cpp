// The process entry: the GUI framework's scaffolding around StartSequence.
#include <QApplication>

#include "app/application.h"
#include "payloads/carried_files.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_library_loader.h"
#include "platform/qt/qt_browser_pane.h"
#include "platform/qt/qt_process.h"
#include "platform/qt/qt_window.h"

int main(int, char** argv) {
    dorvane::PrepareWebEngineBeforeApplication();
    // The program takes no command line: Qt sees the program name alone.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    // the X11 WM_CLASS and the Wayland app id: task bars group the window with its desktop entry
    QApplication::setApplicationName(QStringLiteral(DORVANE_WM_CLASS));
    QApplication::setDesktopFileName(QStringLiteral(DORVANE_APP_ID));

    dorvane::QtProcess process;
    dorvane::PosixFileSystem files;
    dorvane::QtWindow window;
    dorvane::PosixLibraryLoader libraries;
    dorvane::Application program({process, files, window, libraries}, dorvane::TheCarriedFiles());
    return program.StartSequence();
}
