// What the window's plain logic needs of a GUI platform: primitive operations
// only. The logic decides the order of the build, the stacking, what shows,
// where the focus goes and what a key does (window/main_window_build,
// window/window_keys); a platform carries each step out and raises the events
// below. Controls are named by their layout names (GBK). No name here is one
// of <windows.h>'s A/W macros (CreateWindow, SetCurrentDirectory...), so a
// Win32 adapter can include both. Adapters: platform/qt/qt_window (this
// machine); platform/null (benchmarks, headless).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "browser/pane_navigator.h"
#include "layout/main_window_layout.h"

namespace dorvane {

// The window raises these into the plain logic.
class MainWindowEvents {
  public:
    virtual ~MainWindowEvents() = default;
    // the window and its controls exist (raised by the start-up sequence)
    virtual void Created() = 0;
    // a control's bound event (SignalOf(row.handler)) fired
    virtual void ControlEvent(const ControlLayout& row) = 0;
    // a key went down for the window or one of its controls, before the
    // control sees it; true when the window took it
    virtual bool KeyDown(Key key, Modifiers modifiers) = 0;
    // the focus leaves a control by the platform's own means (Tab past a
    // page's last element): move it on along the focus order
    virtual void FocusLeaving(bool forward) = 0;
};

// Why a control gets the focus; a browser pane starts at its page's first
// element going forward and at its last going backward.
enum class FocusCause : std::uint8_t { Direct, Forward, Backward };

class WindowPlatform : public PaneNavigator {
  public:
    virtual ~WindowPlatform() = default;

    // the whole primary screen, not its work area; 0 x 0 when there is none
    virtual Size PrimaryScreenSize() = 0;
    // the window, hidden, its frame at `place`, with its caption, frame,
    // buttons, icon and client size; false when it cannot be made or one exists
    virtual bool CreateMainWindow(const WindowSettings& settings, Point place,
                                  MainWindowEvents& events) = 0;
    // one control of row.kind from its row, hidden, inside its parent (the
    // window, or the group box row.parent, already created), its signal bound
    // to ControlEvent; a pane starts loading its start address. false when it cannot
    virtual bool CreateControl(const ControlLayout& row) = 0;
    // above its siblings
    virtual void RaiseControl(std::string_view name) = 0;
    // show without activating, or hide
    virtual void SetControlShown(std::string_view name, bool shown) = 0;
    // shown, and so is every parent up to the window (the window's own state aside)
    virtual bool ControlShowsNow(std::string_view name) = 0;
    virtual void FocusControl(std::string_view name, FocusCause cause) = 0;
    // the layout name of the control that has the focus (any part of a pane
    // counts as the pane; the view points into the layout); empty for none or
    // the window itself
    virtual std::string_view FocusedControl() = 0;
    // closes the window for good: it is destroyed, its tray icon removed, the loop ends
    virtual void CloseWindow() = 0;
    virtual bool WindowExists() = 0;
    // show and activate the window itself
    virtual void ShowWindow() = 0;
    // until the window is destroyed; returns at once when no window exists
    virtual void RunMessageLoop() = 0;

    // a copy of the window's icon file, none when it has no icon
    virtual std::optional<std::vector<std::uint8_t>> IconFileBytes() = 0;
    // the icon file's 16 x 16 image (ReadIconImages, PickIconImage, scaled
    // smoothly when the pick is another size), with its tip; bytes that give
    // no image add nothing. Keeps no reference to the bytes.
    virtual bool SetTrayIcon(std::span<const std::uint8_t> iconFile, std::string_view gbkTip) = 0;
    virtual void RemoveTrayIcon() = 0;

    // no owner, one OK button, no icon, application-modal; returns when dismissed
    virtual void ShowNoticeBox(std::string_view gbkCaption, std::string_view gbkText) = 0;

    // starts loading in the pane and returns at once; the result is not reported
    void Navigate(std::string_view paneName, std::string_view address) override = 0;
};

}  // namespace dorvane
