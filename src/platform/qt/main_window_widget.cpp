#include "platform/qt/main_window_widget.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>
#include <QShortcut>
#include <QTimer>

#include "core/phase_timing.h"
#include "platform/qt/control_factory.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/key_hook.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/thumbnail_box.h"

namespace dorvane {
namespace {

Qt::WindowFlags FlagsOf(const WindowSettings& settings) {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (settings.systemMenu) flags |= Qt::WindowSystemMenuHint;
    if (settings.minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
    if (settings.maximiseButton) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

QIcon IconOf(const Picture& icon) {
    QIcon images;
    for (const Image& image : ReadIconImagesWithPng(icon.bytes))
        images.addPixmap(QPixmap::fromImage(QImageOf(image)));
    return images;
}

}  // namespace

MainWindowWidget::MainWindowWidget(const WindowSettings& settings, MainWindowEvents& events)
    : QWidget(nullptr, FlagsOf(settings)), settings_(settings), events_(events) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringFromGbk(settings.caption));
    setWindowIcon(IconOf(settings.icon));
    if (settings.fixedFrame) {
        setFixedSize(settings.clientSize.width, settings.clientSize.height);
    } else {
        resize(settings.clientSize.width, settings.clientSize.height);
    }
    createEscapeShortcut();
    new KeyHook(this);
}

MainWindowWidget::~MainWindowWidget() {
    RemoveTrayIcon();
}

bool MainWindowWidget::AddControl(const ControlLayout& row) {
    QWidget* parent = row.parent.empty() ? this : Control(row.parent);
    QWidget* control = parent ? CreateControl(row, parent) : nullptr;
    if (control == nullptr) return false;
    controls_[row.name] = control;
    rows_[control] = &row;
    bindSignal(row, control);
    return true;
}

void MainWindowWidget::bindSignal(const ControlLayout& row, QWidget* control) {
    const auto raise = [this, &row] { events_.ControlEvent(row); };
    switch (SignalOf(row.handler)) {
        case ControlSignal::None:
            break;
        case ControlSignal::Clicked:
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                connect(button, &QAbstractButton::clicked, this, raise);
            }
            break;
        case ControlSignal::LeftButtonDown:
            if (auto* box = qobject_cast<ThumbnailBox*>(control)) {
                connect(box, &ThumbnailBox::pressed, this, raise);
            }
            break;
    }
}

void MainWindowWidget::createEscapeShortcut() {
    // A second road to the Esc rule: the shortcut map sees the key before any
    // widget does, whatever the web view does with the keys it forwards.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] { KeyDown(Key::Escape, {}); });
}

QWidget* MainWindowWidget::Control(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

const ControlLayout* MainWindowWidget::RowOf(const QWidget* widget) const {
    // the web view makes its focus widget late, as a child of its own: walk up
    for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
        if (const auto found = rows_.find(widget); found != rows_.end()) return found->second;
    }
    return nullptr;
}

const ControlLayout* MainWindowWidget::FocusedRow() const {
    return RowOf(focusWidget());
}

bool MainWindowWidget::KeyDown(Key key, Modifiers modifiers) {
    return events_.KeyDown(key, modifiers);
}

bool MainWindowWidget::focusNextPrevChild(bool next) {
    events_.FocusLeaving(next);
    return true;
}

void MainWindowWidget::ShowTrayIcon(const QIcon& icon, const QString& tip) {
    RemoveTrayIcon();
    // no menu and no handler of its activations: clicks on it do nothing
    tray_ = new QSystemTrayIcon(icon, this);
    tray_->setToolTip(tip);
    tray_->show();
}

void MainWindowWidget::RemoveTrayIcon() {
    if (tray_ == nullptr) return;
    tray_->hide();
    delete tray_;
}

#ifdef DORVANE_PHASE_TIMING
// The children are painted in the same pass, after this: the zero timer
// fires once they have been.
void MainWindowWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QTimer::singleShot(0, this, [] { DORVANE_PRINT_PHASES(); });
}
#endif

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    // the window always closes; it is destroyed right after (WA_DeleteOnClose)
    closed_ = true;
    RemoveTrayIcon();
    event->accept();
}

}  // namespace dorvane
