#include "window_input.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QWindow>

// Exported by Qt GUI for its test library; the same entry points QTest uses.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace dorvane::test {
namespace {

int eventTime = 1000;  // event time stamps, ms

QWindow* WindowOf(QWidget* widget) {
    return widget->window()->windowHandle();
}

QPointF LocalOf(QWidget* widget) {
    return widget->mapTo(widget->window(), widget->rect().center());
}

}  // namespace

void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QWindow* window = WindowOf(widget);
    qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, QString(), false, 1);
    qt_handleKeyEvent(window, QEvent::KeyRelease, key, modifiers, QString(), false, 1);
    QCoreApplication::processEvents();
}

void Press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    eventTime += 10;
    qt_handleMouseEvent(WindowOf(widget), LocalOf(widget),
                        widget->mapToGlobal(widget->rect().center()), button, button,
                        QEvent::MouseButtonPress, modifiers, eventTime);
    QCoreApplication::processEvents();
}

void Release(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    eventTime += 10;
    qt_handleMouseEvent(WindowOf(widget), LocalOf(widget),
                        widget->mapToGlobal(widget->rect().center()), Qt::NoButton, button,
                        QEvent::MouseButtonRelease, modifiers, eventTime);
    QCoreApplication::processEvents();
}

void Click(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    Press(widget, button, modifiers);
    Release(widget, button, modifiers);
}

void WaitOutDoubleClick() {
    eventTime += QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100;
}

}  // namespace dorvane::test
