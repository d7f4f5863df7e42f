#include "platform/qt/qt_browser_pane.h"

#include <unistd.h>

#include <QApplication>
#include <QList>
#include <QLoggingCategory>
#include <QPalette>
#include <QPointer>
#include <QResizeEvent>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <algorithm>
#include <array>

#include "core/phase_timing.h"
#include "platform/qt/chromium_flags.h"
#include "platform/qt/popup_browser_window.h"
#include "platform/qt/program_web_page.h"

// How the pane's settings map onto the engine:
// - text size 0..4 (clamped) scales the default font sizes; 2 is the engine's
//   own 16 px, the others follow the steps of the classic browser control
//   (8, 10, 12, 14, 16 points). Pages that fix their sizes in pixels keep
//   them, as they did there.
// - offline: the engine has no cache-only mode, so true would still fetch
//   from the network; false, the program's value, is the engine's normal
//   behaviour (HTTP cache of the default kind).
// - silent: true makes the page answer JavaScript alert/confirm/prompt itself
//   (ProgramWebPage); false, the program's value, lets the engine show them.
// Links whose scheme the engine cannot show (tencent:) go to
// QDesktopServices::openUrl and so through xdg-open to the desktop's
// handler. That needs AllowAllUnknownUrlSchemes: the default passes them on
// only after a user's gesture, and a program's load() has none.

namespace dorvane {
namespace {

struct FontSizes {
    int proportional;
    int fixed;
};

// by text size, smallest to largest
constexpr std::array<FontSizes, 5> TextSizeFonts{{{11, 9}, {13, 11}, {16, 13}, {19, 15}, {21, 17}}};

QWebEngineProfile* profile = nullptr;

// every pane's view, so that shut-down can release them before the profile
QList<QPointer<QWebEngineView>>& PaneViews() {
    static QList<QPointer<QWebEngineView>> views;
    return views;
}

void ApplySettings(QWebEngineSettings* settings, const PaneSettings& pane) {
    const auto& fonts = TextSizeFonts[static_cast<std::size_t>(ClampTextSize(pane.textSize))];
    settings->setFontSize(QWebEngineSettings::DefaultFontSize, fonts.proportional);
    settings->setFontSize(QWebEngineSettings::DefaultFixedFontSize, fonts.fixed);
}

QString ProgramFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location) + QStringLiteral("/dorvane/web");
}

}  // namespace

QtBrowserPane::QtBrowserPane(QWidget* parent, const PaneSettings& settings) : QWidget(parent) {
    DORVANE_TIME_PHASE(WebViews);  // what the bare web view pays as well
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setCursor(Qt::ArrowCursor);

    view_ = new QWebEngineView(this);
    view_->setPage(new ProgramWebPage(ProgramWebProfile(), settings.silent, view_));
    ApplySettings(view_->settings(), settings);
    view_->setGeometry(rect());
    setFocusProxy(view_);
    PaneViews().append(view_);

    if (!settings.startAddress.empty()) {
        QStringDecoder fromGbk("GBK");
        Navigate(fromGbk(QByteArrayView(settings.startAddress.data(),
                                        static_cast<qsizetype>(settings.startAddress.size()))));
    }
}

QWebEngineView* QtBrowserPane::View() const {
    return view_.data();
}

void QtBrowserPane::Navigate(const QString& address) {
    if (view_) view_->load(QUrl(address));
}

void QtBrowserPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (view_) view_->setGeometry(QRect(QPoint(0, 0), event->size()));
}

QWebEngineProfile* ProgramWebProfile() {
    if (!profile) {
        // Named, so it lives on disk: logins to the site survive a restart.
        profile = new QWebEngineProfile(QStringLiteral("dorvane"));
        profile->setPersistentStoragePath(ProgramFolder(QStandardPaths::GenericDataLocation));
        profile->setCachePath(ProgramFolder(QStandardPaths::GenericCacheLocation));
        profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
        // for every page of the program, the windows pages open included
        profile->settings()->setUnknownUrlSchemePolicy(
            QWebEngineSettings::AllowAllUnknownUrlSchemes);
    }
    return profile;
}

void InitialiseWebEngine() {
    ProgramWebProfile();
}

void ShutdownWebEngine() {
    // Pages must be gone before their profile, or the engine warns of trouble.
    PopupBrowserWindow::CloseAll();
    for (const auto& view : std::as_const(PaneViews())) delete view.data();
    PaneViews().clear();
    delete profile;
    profile = nullptr;
}

void PrepareWebEngineBeforeApplication() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    const std::string flags =
        ChromiumFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").toStdString(), ::geteuid() == 0);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", QByteArray::fromStdString(flags));
    // the engine reports its GL set-up and flags at every start; users need not see it
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}

}  // namespace dorvane
