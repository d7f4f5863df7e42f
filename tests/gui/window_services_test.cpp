// The window's services to the plain logic: the notice box, the tray icon,
// the icon file, the message loop and its end when the window is destroyed.
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>

#include "layout/main_window_layout.h"
#include "platform/qt/qt_image.h"
#include "real_window_fixture.h"
#include "window/main_window.h"
#include "window_input.h"

namespace dorvane::test {
namespace {

using WindowServices = RealWindow;

struct NoticeSeen {
    bool found = false;
    bool parentless = false;
    Qt::WindowModality modality = Qt::NonModal;
    QMessageBox::Icon icon = QMessageBox::Information;
    QString caption, text;
    QList<QAbstractButton*> buttons;
    QMessageBox::StandardButton only = QMessageBox::NoButton;
};

// Would catch: a box owned by the window (then only window-modal), an icon,
// or texts not decoded from GBK.
TEST_F(WindowServices, TheNoticeBoxIsParentlessApplicationModalWithOneOkButton) {
    NoticeSeen seen;
    QTimer finder;
    QObject::connect(&finder, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        finder.stop();
        seen = {true,
                box->parentWidget() == nullptr,
                box->windowModality(),
                box->icon(),
                box->windowTitle(),
                box->text(),
                box->buttons(),
                box->buttons().size() == 1 ? box->standardButton(box->buttons().front())
                                           : QMessageBox::NoButton};
        box->buttons().front()->click();
    });
    finder.start(20);
    platform_->ShowNoticeBox(NoticeCaption(), NoticeText());  // returns once dismissed
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.parentless);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.caption, QStringLiteral(u"非诚勿扰"));
    EXPECT_EQ(seen.text,
              QStringLiteral(u"代做真人秀,联系TamselQQ2839475610(Tamsel是做生意,不是做慈善)"));
    EXPECT_EQ(seen.buttons.size(), 1);
    EXPECT_EQ(seen.only, QMessageBox::Ok);
    EXPECT_TRUE(window_ != nullptr && window_->isVisible());
}

TEST_F(WindowServices, IconFileBytesAreACopyOfTheLayoutsIcon) {
    const std::span<const std::uint8_t> icon = TheMainWindowLayout().window.icon.bytes;
    const std::optional<std::vector<std::uint8_t>> copy = platform_->IconFileBytes();
    ASSERT_TRUE(copy.has_value());
    EXPECT_TRUE(std::ranges::equal(*copy, icon));
    EXPECT_NE(copy->data(), icon.data());
}

// Would catch: a tray icon from bytes that give no image, another image than
// the 16 x 16 one, a menu or handler on it, a tray icon left after the close.
TEST_F(WindowServices, TheTrayIconShowsTheSmallImageAndGoesWithTheWindow) {
    const std::vector<std::uint8_t> junk(300, 0x42);
    EXPECT_FALSE(platform_->SetTrayIcon(junk, TrayTipText()));
    EXPECT_FALSE(platform_->SetTrayIcon({}, TrayTipText()));
    EXPECT_EQ(window_->findChild<QSystemTrayIcon*>(), nullptr);

    const std::vector<std::uint8_t> icon = platform_->IconFileBytes().value();
    EXPECT_TRUE(platform_->SetTrayIcon(icon, TrayTipText()));
    QPointer<QSystemTrayIcon> tray = window_->findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->toolTip(), QStringLiteral(u"DorvaneV6.0,作者TamselQQ2839475610"));
    EXPECT_EQ(tray->contextMenu(), nullptr);
    EXPECT_EQ(tray->icon().availableSizes(), QList<QSize>{QSize(16, 16)});
    const QImage shown =
        tray->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown, IconImageOfSize(ReadIconImagesWithPng(icon), QSize(16, 16)));

    PressKey(window_, Qt::Key_Escape);
    EXPECT_TRUE(tray.isNull()) << "removed when the window closes";
    EXPECT_TRUE(WaitForWindowGone());
}

TEST_F(WindowServices, RemoveTrayIconTakesItAway) {
    EXPECT_TRUE(platform_->SetTrayIcon(platform_->IconFileBytes().value(), TrayTipText()));
    platform_->RemoveTrayIcon();
    EXPECT_EQ(window_->findChild<QSystemTrayIcon*>(), nullptr);
}

// Would catch: a loop that waits for the last window to close rather than for
// ours to be destroyed, or that runs with no window at all.
TEST_F(WindowServices, TheMessageLoopEndsWhenTheWindowIsDestroyed) {
    bool timedOut = false;
    QTimer::singleShot(10, window_, [this] { window_->close(); });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    safety.start(10000);
    platform_->RunMessageLoop();
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(window_.isNull());
    EXPECT_FALSE(platform_->WindowExists());
    platform_->RunMessageLoop();  // no window: returns at once
}

}  // namespace
}  // namespace dorvane::test
