// The page every web view of this program shows: on the program's profile,
// opening the windows pages ask for as separate browser windows, and when
// silent showing none of the engine's own JavaScript dialogs. Does not
// provide: any report of what a page does.
#pragma once

#include <QWebEnginePage>

namespace dorvane {

class ProgramWebPage : public QWebEnginePage {
    Q_OBJECT
  public:
    ProgramWebPage(QWebEngineProfile* profile, bool silent, QObject* parent);

  protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message,
                          const QString& defaultValue, QString* result) override;

  private:
    bool silent_;
};

}  // namespace dorvane
