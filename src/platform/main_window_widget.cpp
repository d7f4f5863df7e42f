#include "platform/main_window_widget.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>
#include <QShortcut>
#include <ranges>

#include "platform/control_factory.h"
#include "platform/gbk_qstring.h"
#include "platform/icon_reader.h"
#include "platform/key_hook.h"
#include "platform/thumbnail_box.h"

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
    for (const QImage& image : ReadIconImages(icon.bytes))
        images.addPixmap(QPixmap::fromImage(image));
    return images;
}

}  // namespace

MainWindowWidget::MainWindowWidget(const MainWindowLayout& layout, MainWindowEvents& events)
    : QWidget(nullptr, FlagsOf(layout.window)), layout_(layout), events_(events) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringFromGbk(layout.window.caption));
    setWindowIcon(IconOf(layout.window.icon));
    if (layout.window.fixedFrame) {
        setFixedSize(layout.window.clientSize.width, layout.window.clientSize.height);
    } else {
        resize(layout.window.clientSize.width, layout.window.clientSize.height);
    }
    createControls();
    stackControls();
    bindEvents();
    createEscapeShortcut();
    new KeyHook(this);
}

MainWindowWidget::~MainWindowWidget() {
    RemoveTrayIcon();
}

void MainWindowWidget::createControls() {
    // group boxes first, so every other control finds its parent
    for (const bool groupBoxes : {true, false}) {
        for (const ControlLayout& row : layout_.controls) {
            if ((row.kind == ControlKind::GroupBox) != groupBoxes) continue;
            QWidget* parent = this;
            if (!row.parent.empty()) {
                const ControlLayout* box = FindControl(layout_, row.parent);
                parent = box && box->kind == ControlKind::GroupBox ? Control(row.parent) : nullptr;
            }
            QWidget* control = parent ? CreateControl(row, parent) : nullptr;
            if (control == nullptr) {
                complete_ = false;
                continue;
            }
            controls_[row.name] = control;
            rows_[control] = &row;
        }
    }
}

void MainWindowWidget::stackControls() {
    // each raise() puts a control above its siblings, so the first row ends on top
    for (const ControlLayout& row : layout_.controls | std::views::reverse) {
        if (QWidget* control = Control(row.name)) control->raise();
    }
}

void MainWindowWidget::bindEvents() {
    for (const ControlLayout& row : layout_.controls) {
        QWidget* control = Control(row.name);
        const auto raise = [this, &row] { events_.ControlEvent(row); };
        switch (row.handler) {
            case EventHandler::None:
                break;
            case EventHandler::TypeButtonClicked:
            case EventHandler::ContactClicked:
                if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                    connect(button, &QAbstractButton::clicked, this, raise);
                }
                break;
            case EventHandler::ThumbnailPressed:
                if (auto* box = qobject_cast<ThumbnailBox*>(control)) {
                    connect(box, &ThumbnailBox::pressed, this, raise);
                }
                break;
        }
    }
}

void MainWindowWidget::createEscapeShortcut() {
    // A second road to the Esc rule: the shortcut map sees the key before any
    // widget does, whatever the web view does with the keys it forwards.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &MainWindowWidget::handleEscape);
}

void MainWindowWidget::handleEscape() {
    CarryOut(KeyRule(Key::Escape, {}, FocusedRow()));
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

bool MainWindowWidget::CarryOut(KeyAction action) {
    switch (action) {
        case KeyAction::PassOn:
            return false;
        case KeyAction::Swallow:
            return true;
        case KeyAction::CloseWindow:
            close();
            return true;
        case KeyAction::FocusNext:
        case KeyAction::FocusPrevious:
            MoveFocus(action == KeyAction::FocusNext);
            return true;
    }
    return false;
}

void MainWindowWidget::MoveFocus(bool forward) {
    const auto showsNow = [this](const ControlLayout& row) {
        const QWidget* control = Control(row.name);
        return control != nullptr && control->isVisibleTo(this);
    };
    const ControlLayout* focused = FocusedRow();
    const ControlLayout* next = dorvane::MoveFocus(
        FocusOrder(layout_, showsNow), focused ? focused->name : std::string_view{}, forward);
    if (QWidget* control = next ? Control(next->name) : nullptr) {
        control->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
}

bool MainWindowWidget::focusNextPrevChild(bool next) {
    MoveFocus(next);
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

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    // the window always closes; it is destroyed right after (WA_DeleteOnClose)
    closed_ = true;
    RemoveTrayIcon();
    event->accept();
}

}  // namespace dorvane
