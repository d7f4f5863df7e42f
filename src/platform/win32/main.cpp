// The process entry of the Windows edition: the four Win32 platforms around
// StartSequence. The program takes no command line.
#include <windows.h>

#include "app/application.h"
#include "payloads/carried_files.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_library_loader.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    dorvane::Win32Process process;
    dorvane::Win32FileSystem files;
    dorvane::Win32Window window;
    dorvane::Win32LibraryLoader libraries;
    dorvane::Application program({process, files, window, libraries}, dorvane::TheCarriedFiles());
    return program.StartSequence();
}
