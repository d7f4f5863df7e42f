// Which windows wear the skin and how it comes off again: subclassing (the
// window procedure replaced through SetWindowLongPtr, the old one called for
// everything the skin does not paint), a WH_CBT hook on the attaching thread
// for windows created later, and the undoing of both.
// Skinned: top-level windows with a caption and dialogs, and the BUTTON and
// STATIC controls inside them. Not: other classes (picture boxes, browser
// panes and the like paint themselves), owner-drawn buttons, menus.
#pragma once

#include "skin_paint.h"

namespace dorvane::skin {

// Takes the painter (made, owning its GDI objects); on this thread only.
// false, with nothing installed and the painter released, when the hook
// cannot be set.
bool InstallSkin(Painter* painter);

// A new painter for the skin already installed on this thread.
void SwapPainter(Painter* painter);

// The thread the skin is attached on, or 0.
DWORD SkinThread();

// Takes everything off and repaints the windows plain; false when no skin was on.
bool RemoveSkin();

}  // namespace dorvane::skin
