// WindowPlatform on Windows, in the manner of a plain Win32 program: one
// window class whose procedure is a table of message crackers, the window's
// state in this object (reached through GWLP_USERDATA), the system's own
// controls (win32_controls). Provides: the hidden main window
// (RegisterClassExA + CreateWindowExA, outer size and place as given, fixed
// frame, the carried icon's 32 x 32 and 16 x 16 images), the controls,
// stacking (SetWindowPos HWND_TOP), showing without activating, focus, the
// message loop (GetMessageA; a key going down goes to the plain logic's key
// rules first, a browser pane with the focus seeing every key but Esc before
// them), the tray icon (Shell_NotifyIconA with the 16 x 16 image and the GBK
// tip), the notice box (MessageBoxA, task-modal) and navigation of the panes.
// Closing destroys the window; its tray icon goes and the loop ends.
// Does not provide: OLE's bring-up (win32_process), any decision of the
// plain logic, a focus move out of a web page by Tab (the WebBrowser
// control reports none).
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/win32/win32_controls.h"
#include "window/window_platform.h"

namespace dorvane {

class Win32Window : public WindowPlatform {
  public:
    Win32Window();
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    Size PrimaryScreenSize() override;
    bool CreateMainWindow(const WindowSettings& settings, Point place,
                          MainWindowEvents& events) override;
    bool CreateControl(const ControlLayout& row) override;
    void RaiseControl(std::string_view name) override;
    void SetControlShown(std::string_view name, bool shown) override;
    bool ControlShowsNow(std::string_view name) override;
    void FocusControl(std::string_view name, FocusCause cause) override;
    std::string_view FocusedControl() override;
    void CloseWindow() override;
    bool WindowExists() override;
    void ShowWindow() override;
    void RunMessageLoop() override;

    std::optional<std::vector<std::uint8_t>> IconFileBytes() override;
    bool SetTrayIcon(std::span<const std::uint8_t> iconFile, std::string_view gbkTip) override;
    void RemoveTrayIcon() override;

    void ShowNoticeBox(std::string_view gbkCaption, std::string_view gbkText) override;
    void Navigate(std::string_view paneName, std::string_view address) override;

    // the main window while it exists
    HWND Handle() const { return window_; }
    // the control of that name, nullptr for none
    HWND ControlHandle(std::string_view name) const;

  private:
    struct Control {
        const ControlLayout* row;
        HWND handle;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // the message crackers' handlers
    void OnCommand(HWND window, int id, HWND control, UINT code);
    HBRUSH OnCtlColor(HWND window, HDC dc, HWND control, int type);
    void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item);
    void OnActivate(HWND window, UINT state, HWND other, BOOL minimised);
    void OnClose(HWND window);
    void OnDestroy(HWND window);
    void OnNCDestroy(HWND window);

    // true when the key hook took the message
    bool KeyHook(MSG& message);
    const Control* ControlOf(HWND handle) const;
    const Control* Find(std::string_view name) const;
    void DestroyIcons();

    HWND window_ = nullptr;
    const WindowSettings* settings_ = nullptr;
    MainWindowEvents* events_ = nullptr;
    std::vector<Control> controls_;  // in the order they were made
    PressHandler onPress_;
    Image imageButtonPicture_;
    HWND lastFocus_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HICON trayIcon_ = nullptr;
    bool trayShown_ = false;
    bool loopRunning_ = false;
};

}  // namespace dorvane
