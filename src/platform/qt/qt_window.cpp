#include "platform/qt/qt_window.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser_pane.h"
#include "platform/qt/qt_image.h"

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

bool QtWindow::CreateMainWindow(const WindowSettings& settings, Point place,
                                MainWindowEvents& events) {
    if (window_ != nullptr) return false;  // the program has one window
    window_ = new MainWindowWidget(settings, events);
    window_->move(place.x, place.y);  // a window's position is its frame's
    return true;
}

bool QtWindow::CreateControl(const ControlLayout& row) {
    return window_ != nullptr && window_->AddControl(row);
}

QWidget* QtWindow::Control(std::string_view name) const {
    return window_ ? window_->Control(name) : nullptr;
}

void QtWindow::RaiseControl(std::string_view name) {
    if (QWidget* control = Control(name)) control->raise();
}

void QtWindow::SetControlShown(std::string_view name, bool shown) {
    // a child widget never activates anything when shown
    if (QWidget* control = Control(name)) control->setVisible(shown);
}

bool QtWindow::ControlShowsNow(std::string_view name) {
    const QWidget* control = Control(name);
    return control != nullptr && control->isVisibleTo(window_);
}

void QtWindow::FocusControl(std::string_view name, FocusCause cause) {
    // a browser pane passes the focus on to its web view, which starts at the
    // page's first or last element by the reason
    constexpr Qt::FocusReason Reasons[] = {Qt::OtherFocusReason, Qt::TabFocusReason,
                                           Qt::BacktabFocusReason};
    if (QWidget* control = Control(name)) control->setFocus(Reasons[static_cast<int>(cause)]);
}

std::string_view QtWindow::FocusedControl() {
    const ControlLayout* row = window_ ? window_->FocusedRow() : nullptr;
    return row ? row->name : std::string_view{};
}

void QtWindow::CloseWindow() {
    if (window_ != nullptr) window_->close();
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

void QtWindow::RunMessageLoop() {
    if (!WindowExists()) return;
    // the loop ends when our window is destroyed, not when the last window hides
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(window_.data(), &QObject::destroyed, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}

std::optional<std::vector<std::uint8_t>> QtWindow::IconFileBytes() {
    if (window_ == nullptr) return std::nullopt;
    const std::span<const std::uint8_t> icon = window_->Settings().icon.bytes;
    if (icon.empty()) return std::nullopt;
    return std::vector<std::uint8_t>(icon.begin(), icon.end());
}

bool QtWindow::SetTrayIcon(std::span<const std::uint8_t> iconFile, std::string_view gbkTip) {
    if (window_ == nullptr) return false;
    const QImage small = IconImageOfSize(ReadIconImagesWithPng(iconFile), QSize(16, 16));
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
    if (auto* pane = qobject_cast<QtBrowserPane*>(Control(paneName))) {
        pane->Navigate(QStringFromGbk(address));
    }
}

}  // namespace dorvane
