#include "platform/win32/win32_process.h"

#include <ole2.h>
#include <windows.h>

#include <string>

namespace dorvane {

void Win32Process::InitialiseComponent() {
    OleInitialize(nullptr);
}

void Win32Process::ShutdownComponent() {
    OleUninitialize();
}

std::string Win32Process::ExecutablePath() {
    // A path that fills the buffer may have been cut: grow until it fits
    // (the system's paths end well before 64 KiB).
    std::string path(MAX_PATH, '\0');
    while (path.size() <= 0x10000) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
    return {};
}

bool Win32Process::SetWorkingDirectory(std::string_view windowsPath) {
    const std::string path(windowsPath);
    if (path.find('\0') != std::string::npos) return false;
    return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

void Win32Process::ShowErrorBox(std::string_view gbkText) {
    // no caption: the system's own ("Error", 错误 on a Chinese system)
    const std::string text(gbkText);
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONHAND);
}

// The window's icons are freed with the window (Win32Window).
void Win32Process::ReleaseIcons() {}

void Win32Process::ExitProcess(int code) {
    ::ExitProcess(static_cast<UINT>(code));
}

}  // namespace dorvane
