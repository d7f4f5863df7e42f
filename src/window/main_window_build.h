// Building the main window from its layout through the platform's primitives:
// the window hidden at its place, group boxes first, then every other control
// inside its parent, all hidden; the stacking by table order (an earlier row
// lies above a later sibling); then each control's own visible flag.
#pragma once

#include "layout/main_window_layout.h"
#include "window/window_platform.h"

namespace dorvane {

// false when the window or a control cannot be made (a row whose parent is no
// group box of the layout, say); a partly built window is closed then.
bool BuildMainWindow(WindowPlatform& window, const MainWindowLayout& layout, Point place,
                     MainWindowEvents& events);

}  // namespace dorvane
