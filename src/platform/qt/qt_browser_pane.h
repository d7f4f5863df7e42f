// BrowserPane on this machine: a white child widget with an arrow cursor that
// hosts a QWebEngineView filling it; focus given to the pane passes to the
// view. Provides create (with PaneSettings) and navigate. Does not provide:
// any handling of the engine's events, reading anything back.
#pragma once

#include <QPointer>
#include <QWidget>

#include "layout/main_window_layout.h"

class QWebEngineView;
class QWebEngineProfile;

namespace dorvane {

class QtBrowserPane : public QWidget {
    Q_OBJECT
  public:
    // Applies the settings and, when the start address is not empty, starts loading it.
    QtBrowserPane(QWidget* parent, const PaneSettings& settings);
    // starts loading and returns at once; a newer call replaces one in progress
    void Navigate(const QString& address);
    // none once the web engine has been shut down
    QWebEngineView* View() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPointer<QWebEngineView> view_;
};

// The program's one persistent, named web profile (cookies kept between runs).
// Made on first use; released by ShutdownWebEngine.
QWebEngineProfile* ProgramWebProfile();

// Bring-up and shut-down of the web engine's shared state, in the places the
// start-up sequence gives them. Shut-down closes any windows pages opened.
void InitialiseWebEngine();
void ShutdownWebEngine();

// Must run before QApplication exists: the attributes and Chromium flags
// WebEngine needs (the sandbox is turned off only when running as root).
void PrepareWebEngineBeforeApplication();

}  // namespace dorvane
