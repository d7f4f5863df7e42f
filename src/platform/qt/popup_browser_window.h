// A plain top-level browser window for a page that asked for a new window:
// the program's profile, titled by its page, deleted when closed, and not
// keeping the program alive. CloseAll releases every one of them, which the
// web engine's shut-down does before the profile goes.
#pragma once

#include <QWebEngineView>

class QWebEngineProfile;

namespace dorvane {

class PopupBrowserWindow : public QWebEngineView {
    Q_OBJECT
  public:
    // shown at once
    PopupBrowserWindow(QWebEngineProfile* profile, bool silent);
    ~PopupBrowserWindow() override;

    static int OpenCount();
    // deletes every window still open, at once
    static void CloseAll();

  private:
    void handleGeometryChangeRequested(const QRect& geometry);
};

}  // namespace dorvane
