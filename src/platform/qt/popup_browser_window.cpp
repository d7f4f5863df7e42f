#include "platform/qt/popup_browser_window.h"

#include <QList>

#include "platform/qt/program_web_page.h"

namespace dorvane {
namespace {

// the size a window gets until its page asks for one
constexpr QSize DefaultSize(1024, 768);

QList<PopupBrowserWindow*>& OpenWindows() {
    static QList<PopupBrowserWindow*> windows;
    return windows;
}

}  // namespace

PopupBrowserWindow::PopupBrowserWindow(QWebEngineProfile* profile, bool silent) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while these are open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setPage(new ProgramWebPage(profile, silent, this));
    resize(DefaultSize);
    connect(page(), &QWebEnginePage::titleChanged, this, &QWidget::setWindowTitle);
    connect(page(), &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
    connect(page(), &QWebEnginePage::geometryChangeRequested, this,
            &PopupBrowserWindow::handleGeometryChangeRequested);
    OpenWindows().append(this);
    show();
}

PopupBrowserWindow::~PopupBrowserWindow() {
    OpenWindows().removeOne(this);
}

int PopupBrowserWindow::OpenCount() {
    return static_cast<int>(OpenWindows().size());
}

void PopupBrowserWindow::CloseAll() {
    // each deletion takes its window off the list
    while (!OpenWindows().isEmpty()) delete OpenWindows().constLast();
}

// window.open's size and place, as the page asked; both mean the area inside the frame
void PopupBrowserWindow::handleGeometryChangeRequested(const QRect& geometry) {
    setGeometry(geometry);
}

}  // namespace dorvane
