// The yardstick bench/startup measures the program against: the least a Qt
// program can do to show the site in a window. One top-level window holding
// one web view of the main pane's size, loading the same start address, with
// the program's own web-engine preparation and its persistent profile, so the
// two differ only by what the program does besides showing the site.
#include <QApplication>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

#include "core/program_values.h"
#include "platform/qt/qt_browser_pane.h"

int main(int, char** argv) {
    dorvane::PrepareWebEngineBeforeApplication();
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);

    const QSize paneSize(632, 600);
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("startup baseline"));
    window->setFixedSize(paneSize);
    auto* view = new QWebEngineView(window);
    view->setPage(new QWebEnginePage(dorvane::ProgramWebProfile(), view));
    view->setGeometry(QRect(QPoint(0, 0), paneSize));
    view->load(
        QUrl(QString::fromLatin1(dorvane::ShowSiteHomeAddress.data(),
                                 static_cast<qsizetype>(dorvane::ShowSiteHomeAddress.size()))));
    window->show();

    const int code = QApplication::exec();
    dorvane::ShutdownWebEngine();  // the window and its page are gone: the profile may go
    return code;
}
