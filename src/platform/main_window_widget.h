// MainWindow on this machine: a top-level widget with a fixed client area,
// built from the layout with every control hidden inside its parent and
// stacked by table order (an earlier row lies above a later sibling). It binds
// each control's event to the plain logic, keeps the tray icon it owns, and
// carries out the key rules (its KeyHook and an Esc shortcut feed them) and
// the focus order, also when a browser page hands the focus back.
// Does not provide: anything the plain logic decides (what a handler does,
// which control shows).
#pragma once

#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <string_view>
#include <unordered_map>

#include "layout/main_window_layout.h"
#include "window/window_platform.h"

namespace dorvane {

class MainWindowWidget : public QWidget {
    Q_OBJECT
  public:
    MainWindowWidget(const MainWindowLayout& layout, MainWindowEvents& events);
    ~MainWindowWidget() override;

    // false when a row names a parent that is not a group box of the layout
    bool Complete() const { return complete_; }
    const MainWindowLayout& Layout() const { return layout_; }
    // closed: gone for the program, destroyed as soon as the event loop runs
    bool Closed() const { return closed_; }

    QWidget* Control(std::string_view name) const;
    // the control that holds `widget` (a browser pane's inner widgets map to the pane)
    const ControlLayout* RowOf(const QWidget* widget) const;
    const ControlLayout* FocusedRow() const;

    // true when the window took the key
    bool CarryOut(KeyAction action);
    void MoveFocus(bool forward);

    void ShowTrayIcon(const QIcon& icon, const QString& tip);
    void RemoveTrayIcon();
    bool HasTrayIcon() const { return tray_ != nullptr; }

    // Where Qt and the browser page move the focus on (the page does when Tab
    // leaves its last element): along the focus order, not Qt's focus chain.
    bool focusNextPrevChild(bool next) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void stackControls();
    void bindEvents();
    void createEscapeShortcut();
    void handleEscape();

    const MainWindowLayout& layout_;
    MainWindowEvents& events_;
    std::unordered_map<std::string_view, QWidget*> controls_;
    std::unordered_map<const QWidget*, const ControlLayout*> rows_;
    bool complete_ = true;
    bool closed_ = false;
    QPointer<QSystemTrayIcon> tray_;
};

}  // namespace dorvane
