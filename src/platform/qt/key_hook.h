// The main window's key hook: an application event filter that sees every
// key press meant for the window or one of its controls before the control
// does, and hands it to the plain logic (through the window) as a key-down.
// Removed with the window, which owns it.
#pragma once

#include <QObject>

namespace dorvane {

class MainWindowWidget;

class KeyHook : public QObject {
    Q_OBJECT
  public:
    explicit KeyHook(MainWindowWidget* window);

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    MainWindowWidget* window_;
};

}  // namespace dorvane
