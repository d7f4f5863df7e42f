// The window's key rules and focus moves carried out through the platform's
// primitives: the rule (KeyRule) for the control that has the focus, then a
// close, a focus move along the focus order, a swallow or nothing.
#pragma once

#include "layout/main_window_layout.h"
#include "window/window_platform.h"

namespace dorvane {

// true when the window took the key (the control does not see it then)
bool CarryOutKey(WindowPlatform& window, const MainWindowLayout& layout, Key key,
                 Modifiers modifiers);

// the focus to the next (or previous) control of the focus order, by what
// shows now; wraps at either end
void MoveFocusAlong(WindowPlatform& window, const MainWindowLayout& layout, bool forward);

}  // namespace dorvane
