// The controls of the Win32 window, made from their layout rows with the
// system's own classes. Provides: group boxes (BUTTON, BS_GROUPBOX) that
// are real parents: subclassed so their children's notifications and colour
// requests (WM_COMMAND, WM_CTLCOLOR..., WM_DRAWITEM) go on to the main
// window, and their inside filled in the face colour; push buttons (BUTTON,
// BS_PUSHBUTTON | BS_MULTILINE, never default); the label (STATIC, wrapping
// from the top); picture boxes (a class of our own with CS_DBLCLKS, the
// thumbnail stretched over the inside of its WS_BORDER frame, the left
// button going down reported, a double click's second press ignored); the
// image button (BUTTON, BS_OWNERDRAW, drawn by DrawImageButton); browser
// panes (browser_pane, or a plain white window when the control is missing).
// DEFAULT_GUI_FONT on every control with text. Every control is made hidden.
// Does not provide: colours (the main window answers WM_CTLCOLOR...),
// stacking, showing, focus (win32_window).
#pragma once

#include <windows.h>

#include <functional>

#include "layout/main_window_layout.h"
#include "pictures/image.h"

namespace dorvane {

// What a picture box reports: its row, when the left button goes down on it.
using PressHandler = std::function<void(const ControlLayout&)>;

// The control of `row` inside `parent`, hidden; nullptr when it cannot be made.
// `onPress` must outlive the control (picture boxes keep a pointer to it).
HWND MakeControl(const ControlLayout& row, HWND parent, int id, const PressHandler* onPress);

// A browser pane made by MakeControl, as opposed to its white stand-in.
bool IsBrowserPane(HWND control);

// The image button's face: the flat face colour, a border line (pushed in
// while pressed), its picture centred with the transparent pixels showing
// the face, no focus rectangle.
void DrawImageButton(const DRAWITEMSTRUCT& item, const Image& picture, bool border);

}  // namespace dorvane
