// What MainWindow's plain logic needs of the GUI platform: building the
// window from its layout, visibility, focus, the message loop, the tray icon,
// the notice box and navigating the browser panes. The adapter for this
// machine is platform/qt_window.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "layout/main_window_layout.h"

namespace dorvane {

// The window raises these into the plain logic.
class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;
    virtual void Created() = 0;
    // a control's bound event fired (row.handler says which handler)
    virtual void ControlEvent(const ControlLayout& row) = 0;
};

class WindowPlatform {
public:
    virtual ~WindowPlatform() = default;

    virtual Size PrimaryScreenSize() = 0;
    // Create the window hidden at `place`, then every control hidden inside its
    // parent, stacked by table order; the main pane starts loading its start
    // address here. false when the window cannot be created.
    virtual bool CreateMainWindow(const MainWindowLayout& layout, Point place,
                                  MainWindowEvents& events) = 0;
    // show without activating, or hide
    virtual void SetControlShown(std::string_view name, bool shown) = 0;
    virtual bool WindowExists() = 0;
    // show and activate the window itself
    virtual void ShowWindow() = 0;
    virtual void FocusControl(std::string_view name) = 0;
    // until the quit request; returns at once when no window exists
    virtual void RunMessageLoop() = 0;

    // a copy of the window's icon file, none when it has no icon
    virtual std::optional<std::vector<std::uint8_t>> IconFileBytes() = 0;
    // the small image made from the bytes, with its tip; bytes that give no
    // image add nothing. Keeps no reference to the bytes.
    virtual bool SetTrayIcon(std::span<const std::uint8_t> iconFile, std::string_view gbkTip) = 0;
    virtual void RemoveTrayIcon() = 0;

    // no owner, one OK button, no icon, application-modal; returns when dismissed
    virtual void ShowNoticeBox(std::string_view gbkCaption, std::string_view gbkText) = 0;

    // starts loading and returns at once; the result is not reported
    virtual void Navigate(std::string_view paneName, std::string_view address) = 0;
};

}  // namespace dorvane
