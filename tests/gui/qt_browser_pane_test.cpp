// The browser pane and the program's web profile, offscreen, with the test
// program's private data and cache home. No page comes from the network:
// data: addresses, and a site on 127.0.0.1.
#include "platform/qt/qt_browser_pane.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>
#include <optional>
#include <vector>

#include "gui_wait.h"
#include "loopback_site.h"
#include "platform/qt/popup_browser_window.h"

namespace dorvane {
namespace {

using testing::WaitUntil;

// Stands in for the desktop's scheme handler (xdg-open and the messenger).
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void handleUrl(const QUrl& url) { urls.append(url); }
};

class QtBrowserPaneTest : public ::testing::Test {
  protected:
    // The data and cache homes are the test program's private ones.
    void SetUp() override {
        dataHome_ = qEnvironmentVariable("XDG_DATA_HOME");
        cacheHome_ = qEnvironmentVariable("XDG_CACHE_HOME");
        ASSERT_TRUE(dataHome_.startsWith('/') && cacheHome_.startsWith('/'));
        window_ = std::make_unique<QWidget>();
        window_->resize(800, 700);
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("tencent");
        window_.reset();
        ShutdownWebEngine();
    }

    QtBrowserPane* MakePane(PaneSettings settings = {}) {
        auto* pane = new QtBrowserPane(window_.get(), settings);
        pane->resize(632, 600);
        return pane;
    }

    QString dataHome_;
    QString cacheHome_;
    UrlRecorder urlHandler_;
    std::unique_ptr<QWidget> window_;
};

QString Page(const char* title) {
    return QStringLiteral("data:text/html,<title>%1</title>").arg(QString::fromUtf8(title));
}

// The contact pane is hidden and loads nothing; its one job is handing the
// tencent link on. Catches the engine's default policy, which drops a
// programmatic load of an unknown scheme, and a second click not resending.
TEST_F(QtBrowserPaneTest, TencentLinkReachesTheDesktopsHandlerEveryTime) {
    UrlRecorder& handler = urlHandler_;
    QDesktopServices::setUrlHandler("tencent", &handler, "handleUrl");
    QtBrowserPane* contact = MakePane();
    contact->hide();
    const QString link = QStringLiteral("tencent://message/?uin=2839475610");

    contact->Navigate(link);
    ASSERT_TRUE(WaitUntil([&] { return handler.urls.size() == 1; }));
    contact->Navigate(link);
    ASSERT_TRUE(WaitUntil([&] { return handler.urls.size() == 2; }));
    EXPECT_EQ(handler.urls, QList<QUrl>({QUrl(link), QUrl(link)}));
    EXPECT_FALSE(contact->isVisible());
}

// Catches a start address that is not loaded, or an empty one that is.
TEST_F(QtBrowserPaneTest, StartAddressIsLoadedWhenThereIsOne) {
    QtBrowserPane* main = MakePane({.startAddress = "data:text/html,<title>start</title>"});
    QtBrowserPane* contact = MakePane({.startAddress = ""});
    ASSERT_TRUE(WaitUntil([&] { return main->View()->title() == "start"; }));
    EXPECT_TRUE(contact->View()->page()->requestedUrl().isEmpty());
    EXPECT_TRUE(contact->View()->url().isEmpty());
}

// Navigate returns before the page is there, and a newer address replaces
// one still loading. Catches a navigate that waits, or queues behind the first.
TEST_F(QtBrowserPaneTest, NewerNavigationReplacesTheOneInProgress) {
    QtBrowserPane* pane = MakePane();
    int finished = 0;
    QObject::connect(pane->View(), &QWebEngineView::loadFinished, [&] { ++finished; });

    pane->Navigate(Page("first"));
    EXPECT_EQ(finished, 0);
    pane->Navigate(Page("second"));
    ASSERT_TRUE(WaitUntil([&] { return pane->View()->title() == "second"; }));
    EXPECT_EQ(pane->View()->url(), QUrl(Page("second")));
}

// Text size 2 is the engine's own default, the steps grow with the size, and
// sizes outside 0..4 are clamped. Catches an off-by-one table, no clamping
// (an out-of-range index), and clamping to the wrong end.
TEST_F(QtBrowserPaneTest, TextSizeMapsOntoFontSizesClampedIntoRange) {
    const auto fontSize = [&](int textSize) {
        PaneSettings settings;
        settings.textSize = textSize;
        return MakePane(settings)->View()->settings()->fontSize(
            QWebEngineSettings::DefaultFontSize);
    };
    QWebEngineProfile plain;  // off the record: the engine's untouched defaults
    EXPECT_EQ(fontSize(2), plain.settings()->fontSize(QWebEngineSettings::DefaultFontSize));
    for (int size = 1; size <= 4; ++size) {
        EXPECT_LT(fontSize(size - 1), fontSize(size)) << "text size " << size;
    }
    struct Case {
        int given, clamped;
    };
    for (const Case c : std::vector<Case>{{-3, 0}, {-1, 0}, {5, 4}, {7, 4}}) {
        EXPECT_EQ(fontSize(c.given), fontSize(c.clamped)) << "text size " << c.given;
    }
}

// Silent false (the program's value) lets the engine show its own
// dialogs; silent true answers them unseen, as dismissed. Catches either
// setting being ignored.
TEST_F(QtBrowserPaneTest, SilentDecidesWhetherTheEnginesDialogsShow) {
    struct Case {
        bool silent;
        bool dialogShown;
        bool answer;  // the dialog, when shown, is accepted
    };
    for (const Case c : std::vector<Case>{{false, true, true}, {true, false, false}}) {
        SCOPED_TRACE(c.silent ? "silent" : "not silent");
        PaneSettings settings;
        settings.silent = c.silent;
        settings.startAddress = "data:text/html,<title>asking</title>";
        QtBrowserPane* pane = MakePane(settings);
        ASSERT_TRUE(WaitUntil([&] { return pane->View()->title() == "asking"; }));

        bool dialogShown = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                dialogShown = true;
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(20);
        std::optional<bool> answer;
        pane->View()->page()->runJavaScript(
            "confirm('sure?')", [&](const QVariant& result) { answer = result.toBool(); });
        ASSERT_TRUE(WaitUntil([&] { return answer.has_value(); }));
        EXPECT_EQ(dialogShown, c.dialogShown);
        EXPECT_EQ(*answer, c.answer);
    }
}

// Catches a view that does not follow the pane's size, and a pane that is
// not white or does not show the arrow cursor.
TEST_F(QtBrowserPaneTest, ViewFillsAWhitePaneAndFollowsItsSize) {
    QtBrowserPane* pane = MakePane();
    window_->show();  // a hidden widget gets its resize events when shown
    EXPECT_TRUE(pane->autoFillBackground());
    EXPECT_EQ(pane->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(pane->cursor().shape(), Qt::ArrowCursor);
    for (const QSize size : {QSize(632, 600), QSize(32, 24), QSize(700, 650)}) {
        pane->resize(size);
        EXPECT_EQ(pane->View()->geometry(), QRect(QPoint(0, 0), size));
    }
}

// Catches focus stopping at the pane instead of reaching the page.
TEST_F(QtBrowserPaneTest, FocusGivenToThePanePassesToTheView) {
    QtBrowserPane* pane = MakePane();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return window_->isActiveWindow(); }));
    pane->setFocus();
    ASSERT_TRUE(WaitUntil([&] {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == pane->View() || pane->View()->isAncestorOf(focus));
    }));
}

// One named profile on disk under the data home, shared by every pane.
// Catches an off-the-record profile (logins lost at exit), one profile per
// pane, and storage outside the user's data folder.
TEST_F(QtBrowserPaneTest, EveryPaneUsesTheOnePersistentNamedProfile) {
    QtBrowserPane* first = MakePane();
    QtBrowserPane* second = MakePane();
    QWebEngineProfile* profile = ProgramWebProfile();
    EXPECT_EQ(first->View()->page()->profile(), profile);
    EXPECT_EQ(second->View()->page()->profile(), profile);
    EXPECT_EQ(profile->storageName(), "dorvane");
    EXPECT_FALSE(profile->isOffTheRecord());
    EXPECT_NE(profile->persistentCookiesPolicy(), QWebEngineProfile::NoPersistentCookies);
    EXPECT_TRUE(profile->persistentStoragePath().startsWith(dataHome_ + "/"));
    EXPECT_TRUE(profile->cachePath().startsWith(cacheHome_ + "/"));
}

// A cookie the site set once is still there after the engine was shut down
// and brought up anew, as after a restart of the program. Catches cookies
// kept in memory only.
TEST_F(QtBrowserPaneTest, CookiesOutliveTheEngine) {
    testing::LoopbackSite site("Set-Cookie: login=kept; Max-Age=2592000; Path=/\r\n");
    ASSERT_TRUE(site.Listening());
    const auto cookiesAfterVisit = [&] {
        window_ = std::make_unique<QWidget>();
        QtBrowserPane* pane = MakePane();
        pane->Navigate(site.Address().toString());
        QString cookies;
        bool read = false;
        if (WaitUntil([pane] { return pane->View()->title() == "served"; })) {
            pane->View()->page()->runJavaScript("document.cookie", [&](const QVariant& value) {
                cookies = value.toString();
                read = true;
            });
            WaitUntil([&] { return read; });
        }
        window_.reset();
        ShutdownWebEngine();
        return cookies;
    };
    EXPECT_EQ(cookiesAfterVisit(), "login=kept");
    // The engine writes its cookie file on a thread of its own after the
    // profile has gone; a restarted program reads it long after that.
    const QString store = dataHome_ + "/dorvane/web/Cookies";
    ASSERT_TRUE(WaitUntil([&] {
        QFile file(store);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("login");
    }));
    EXPECT_EQ(cookiesAfterVisit(), "login=kept");
}

// A page's window.open gets a plain top-level window of its own on the same
// profile, which goes when closed and does not keep the program running.
TEST_F(QtBrowserPaneTest, NewWindowRequestsOpenASeparateBrowserWindow) {
    QtBrowserPane* pane = MakePane({.startAddress = "data:text/html,<title>opener</title>"});
    ASSERT_TRUE(WaitUntil([&] { return pane->View()->title() == "opener"; }));
    // data: addresses may not be opened by a page, so the new window writes its own
    pane->View()->page()->runJavaScript(
        QStringLiteral("window.open('about:blank').document.write('<title>popup</title>')"));
    ASSERT_TRUE(WaitUntil([] { return PopupBrowserWindow::OpenCount() == 1; }));

    QPointer<PopupBrowserWindow> popup;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<PopupBrowserWindow*>(widget)) popup = found;
    }
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isWindow());
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->page()->profile(), ProgramWebProfile());
    EXPECT_EQ(popup->page()->settings()->unknownUrlSchemePolicy(),
              QWebEngineSettings::AllowAllUnknownUrlSchemes);
    EXPECT_FALSE(popup->testAttribute(Qt::WA_QuitOnClose));
    ASSERT_TRUE(WaitUntil([&] { return popup->windowTitle() == "popup"; }));

    popup->close();
    ASSERT_TRUE(WaitUntil([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return popup.isNull();
    }));
    EXPECT_EQ(PopupBrowserWindow::OpenCount(), 0);
}

QStringList* capturedMessages = nullptr;

void CaptureMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (capturedMessages) capturedMessages->append(message);
}

// Shut-down with a pane and an opened window still there (the fatal stop
// leaves the main window standing): every page goes before the profile.
// Catches the engine's "profile released while pages live" trouble and
// dangling views left behind in the panes.
TEST_F(QtBrowserPaneTest, ShutdownReleasesEveryPageBeforeTheProfile) {
    QtBrowserPane* pane = MakePane({.startAddress = "data:text/html,<title>opener</title>"});
    ASSERT_TRUE(WaitUntil([&] { return pane->View()->title() == "opener"; }));
    pane->View()->page()->runJavaScript(QStringLiteral("window.open('about:blank')"));
    ASSERT_TRUE(WaitUntil([] { return PopupBrowserWindow::OpenCount() == 1; }));

    QStringList messages;
    capturedMessages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(CaptureMessage);
    ShutdownWebEngine();
    qInstallMessageHandler(previous);
    capturedMessages = nullptr;

    EXPECT_EQ(PopupBrowserWindow::OpenCount(), 0);
    EXPECT_EQ(pane->View(), nullptr);
    pane->Navigate(Page("after"));  // a pane without its view does nothing
    for (const QString& message : messages) {
        EXPECT_FALSE(message.contains("still not deleted")) << message.toStdString();
    }
}

}  // namespace
}  // namespace dorvane

#include "qt_browser_pane_test.moc"
