// BrowserPane on Windows: a white child window with an arrow cursor that
// hosts the system WebBrowser control (CLSID_WebBrowser, IWebBrowser2)
// through a small OLE container of our own. Provides create (with
// PaneSettings), navigate, the key hook's first step (the control's
// TranslateAccelerator) and focus passed on to the control; the control is
// closed and released when the pane's window is destroyed.
// Does not provide: any handling of the control's events, any customisation
// of its user interface, anything read back from it. The caller has called
// OleInitialize on this thread, and calls OleUninitialize only after the
// panes' windows are destroyed.
#pragma once

#include <windows.h>

#include <string_view>

#include "layout/main_window_layout.h"

struct IWebBrowser2;

namespace dorvane {

// A child window of `parent` at the given place and size, visible, with the
// WebBrowser control filling it; the settings are applied (offline, silent,
// text size clamped into 0..4) and the start address, if any, is loaded.
// Returns nullptr when the control cannot be created or offers no
// IWebBrowser2: the pane then does not exist for the program, and what is
// left at its place is a plain white window without the control, destroyed
// with its parent.
HWND CreateBrowserPane(HWND parent, int x, int y, int width, int height,
                       const PaneSettings& settings);

// Starts loading the address (GBK text) and returns at once; a newer call
// replaces a load in progress. The result is not looked at. Does nothing for
// a window that is not a pane.
void NavigatePane(HWND pane, std::string_view gbkAddress);

// The key hook's first step: hands a key message to the control's
// IOleInPlaceActiveObject::TranslateAccelerator. True when the control took
// the key (nothing else should then see it). False for a message that is not
// a key message, and for a window that is not a pane.
bool PaneTranslateAccelerator(HWND pane, MSG* message);

// Whether the keyboard focus is on the pane or on a window inside it (the
// control's own windows): when the key hook should call the above.
bool FocusIsInPane(HWND pane);

// The pane's control, for tests and diagnostics: borrowed (no reference
// added), nullptr for a window that is not a pane.
IWebBrowser2* PaneWebBrowser(HWND pane);

// How many panes' containers are alive: each is freed only when the control
// has let go of every reference to it, so after the panes' windows are
// destroyed this is 0 unless something leaks.
long LiveBrowserContainers();

}  // namespace dorvane
