#include "platform/qt_window.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

#include "platform/gbk_qstring.h"
#include "platform/icon_reader.h"
#include "platform/qt_browser_pane.h"

namespace dorvane {

QtWindow::~QtWindow() {
    delete window_;
}

Size QtWindow::PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {0, 0};
    // the whole screen, not its work area
    const QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

bool QtWindow::CreateMainWindow(const MainWindowLayout& layout, Point place,
                                MainWindowEvents& events) {
    if (window_ != nullptr) return false;  // the program has one window
    auto* window = new MainWindowWidget(layout, events);
    if (!window->Complete()) {
        delete window;
        return false;
    }
    window->move(place.x, place.y);  // a window's position is its frame's
    window_ = window;
    return true;
}

void QtWindow::SetControlShown(std::string_view name, bool shown) {
    // a child widget never activates anything when shown
    if (QWidget* control = window_ ? window_->Control(name) : nullptr) control->setVisible(shown);
}

bool QtWindow::WindowExists() {
    return window_ != nullptr && !window_->Closed();
}

void QtWindow::ShowWindow() {
    if (!WindowExists()) return;
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtWindow::FocusControl(std::string_view name) {
    // a browser pane passes the focus on to its web view
    if (QWidget* control = window_ ? window_->Control(name) : nullptr) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void QtWindow::RunMessageLoop() {
    if (window_ == nullptr) return;
    // the loop ends when our window is destroyed, not when the last window hides
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(window_.data(), &QObject::destroyed, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}

std::optional<std::vector<std::uint8_t>> QtWindow::IconFileBytes() {
    if (window_ == nullptr) return std::nullopt;
    const std::span<const std::uint8_t> icon = window_->Layout().window.icon.bytes;
    if (icon.empty()) return std::nullopt;
    return std::vector<std::uint8_t>(icon.begin(), icon.end());
}

bool QtWindow::SetTrayIcon(std::span<const std::uint8_t> iconFile, std::string_view gbkTip) {
    if (window_ == nullptr) return false;
    const QImage small = IconImageOfSize(ReadIconImages(iconFile), QSize(16, 16));
    if (small.isNull()) return false;
    window_->ShowTrayIcon(QIcon(QPixmap::fromImage(small)), QStringFromGbk(gbkTip));
    return true;
}

void QtWindow::RemoveTrayIcon() {
    if (window_ != nullptr) window_->RemoveTrayIcon();
}

void QtWindow::ShowNoticeBox(std::string_view gbkCaption, std::string_view gbkText) {
    QMessageBox box(QMessageBox::NoIcon, QStringFromGbk(gbkCaption), QStringFromGbk(gbkText),
                    QMessageBox::Ok, nullptr);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtWindow::Navigate(std::string_view paneName, std::string_view address) {
    QWidget* control = window_ ? window_->Control(paneName) : nullptr;
    if (auto* pane = qobject_cast<QtBrowserPane*>(control)) pane->Navigate(QStringFromGbk(address));
}

}  // namespace dorvane
