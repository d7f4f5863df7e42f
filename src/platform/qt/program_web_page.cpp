#include "platform/qt/program_web_page.h"

#include "platform/qt/popup_browser_window.h"

namespace dorvane {

ProgramWebPage::ProgramWebPage(QWebEngineProfile* profile, bool silent, QObject* parent)
    : QWebEnginePage(profile, parent), silent_(silent) {}

// Every kind of request (window, tab, dialog) gets a window of its own, as a
// browser control without a host for new windows gives it.
QWebEnginePage* ProgramWebPage::createWindow(WebWindowType) {
    return (new PopupBrowserWindow(profile(), silent_))->page();
}

void ProgramWebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& message) {
    if (!silent_) QWebEnginePage::javaScriptAlert(securityOrigin, message);
}

// A suppressed question is answered as a dismissed one.
bool ProgramWebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& message) {
    return !silent_ && QWebEnginePage::javaScriptConfirm(securityOrigin, message);
}

bool ProgramWebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& message,
                                      const QString& defaultValue, QString* result) {
    return !silent_ &&
           QWebEnginePage::javaScriptPrompt(securityOrigin, message, defaultValue, result);
}

}  // namespace dorvane
