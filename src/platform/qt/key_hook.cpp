#include "platform/qt/key_hook.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/qt/main_window_widget.h"

namespace dorvane {
namespace {

struct KeyOfQt {
    int qt;
    Key key;
    bool impliesShift;
};

constexpr KeyOfQt Keys[] = {
    {Qt::Key_Escape, Key::Escape, false}, {Qt::Key_Tab, Key::Tab, false},
    {Qt::Key_Backtab, Key::Tab, true},    {Qt::Key_Return, Key::Enter, false},
    {Qt::Key_Enter, Key::Enter, false},   {Qt::Key_F1, Key::F1, false},
};

}  // namespace

KeyHook::KeyHook(MainWindowWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool KeyHook::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget->window() != window_) return false;

    const auto* press = static_cast<QKeyEvent*>(event);
    Key key = Key::Other;
    Modifiers modifiers{.shift = press->modifiers().testFlag(Qt::ShiftModifier),
                        .ctrl = press->modifiers().testFlag(Qt::ControlModifier),
                        .alt = press->modifiers().testFlag(Qt::AltModifier)};
    for (const KeyOfQt& entry : Keys) {
        if (entry.qt != press->key()) continue;
        key = entry.key;
        modifiers.shift = modifiers.shift || entry.impliesShift;
    }
    return window_->KeyDown(key, modifiers);
}

}  // namespace dorvane
