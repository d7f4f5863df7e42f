// Input for the GUI tests the way the platform delivers it: through the
// window system interface, so the shortcut map, the application's event
// filters and double-click detection all see it as they see real input.
#pragma once

#include <QPoint>
#include <QWidget>

namespace dorvane::test {

// a press and a release of `key`, sent to the window that holds `widget`
void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// the button going down, or up, at the middle of `widget`
void Press(QWidget* widget, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Release(QWidget* widget, Qt::MouseButton button,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// a press and a release at the middle of `widget`; successive clicks within
// the double-click time are a double click, as on a real desktop
void Click(QWidget* widget, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// lets time pass beyond the double-click interval before the next click
void WaitOutDoubleClick();

}  // namespace dorvane::test
