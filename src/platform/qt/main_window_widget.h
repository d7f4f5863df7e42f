// MainWindow on this machine: a top-level widget with a fixed client area that
// makes the controls the build walk asks for (each hidden, inside its parent,
// its signal bound to the plain logic's ControlEvent), keeps the tray icon it
// owns, and hands every key press (its KeyHook and an Esc shortcut) and every
// focus hand-back (a browser page's Tab past its end) to the plain logic.
// Does not provide: anything the plain logic decides (creation order,
// stacking, what shows, what a key or a handler does, where the focus goes).
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
    MainWindowWidget(const WindowSettings& settings, MainWindowEvents& events);
    ~MainWindowWidget() override;

    const WindowSettings& Settings() const { return settings_; }
    // closed: gone for the program, destroyed as soon as the event loop runs
    bool Closed() const { return closed_; }

    // one control from its row, hidden, inside this window or the group box
    // row.parent, its signal bound; false when the parent is not there
    bool AddControl(const ControlLayout& row);
    QWidget* Control(std::string_view name) const;
    // the control that holds `widget` (a browser pane's inner widgets map to the pane)
    const ControlLayout* RowOf(const QWidget* widget) const;
    const ControlLayout* FocusedRow() const;

    // a key press for this window, before the control sees it: true when the logic took it
    bool KeyDown(Key key, Modifiers modifiers);

    void ShowTrayIcon(const QIcon& icon, const QString& tip);
    void RemoveTrayIcon();

    // Where Qt and the browser page move the focus on (the page does when Tab
    // leaves its last element): the plain logic's focus order, not Qt's focus chain.
    bool focusNextPrevChild(bool next) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
#ifdef DORVANE_PHASE_TIMING
    // the start's table, once the whole window (its pictures too) has been painted
    void paintEvent(QPaintEvent* event) override;
#endif

  private:
    void bindSignal(const ControlLayout& row, QWidget* control);
    void createEscapeShortcut();

    const WindowSettings settings_;
    MainWindowEvents& events_;
    std::unordered_map<std::string_view, QWidget*> controls_;
    std::unordered_map<const QWidget*, const ControlLayout*> rows_;
    bool closed_ = false;
    QPointer<QSystemTrayIcon> tray_;
};

}  // namespace dorvane
