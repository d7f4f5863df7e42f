// WindowPlatform on this machine, with Qt Widgets: the main window and its
// controls (MainWindowWidget, control_factory), the message loop
// (QApplication::exec, ended when the window is destroyed), the tray icon
// (QSystemTrayIcon with the icon's 16 x 16 image), the notice box (a
// parentless, application-modal QMessageBox) and navigation of the browser
// panes. Texts arrive as GBK.
// Does not provide: the web engine's bring-up (qt_browser_pane), the
// decisions of the plain logic.
#pragma once

#include <QPointer>

#include "platform/qt/main_window_widget.h"
#include "window/window_platform.h"

namespace dorvane {

class QtWindow : public WindowPlatform {
  public:
    QtWindow() = default;
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

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

    // the window while it exists (closing destroys it)
    MainWindowWidget* Window() const { return window_; }

  private:
    QWidget* Control(std::string_view name) const;

    QPointer<MainWindowWidget> window_;
};

}  // namespace dorvane
