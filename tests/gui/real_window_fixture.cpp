#include "real_window_fixture.h"

#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>

#include <QApplication>

#include "gbk_hex.h"
#include "layout/main_window_layout.h"
#include "platform/qt/qt_browser_pane.h"
#include "window/main_window_build.h"
#include "window/window_keys.h"

namespace dorvane::test {

std::string Gbk(std::string_view hex) {
    return testing::GbkFromHex(hex);
}

std::string Box(int number) {
    return Gbk("CDBCC6ACBFF2") + std::to_string(number);
}
std::string Button(int number) {
    return Gbk("B0B4C5A5") + std::to_string(number);
}

const std::string Yijing1 = Gbk("D2E2BEB331");
const std::string Yijing2 = Gbk("D2E2BEB332");
const std::string Yijing3 = Gbk("D2E2BEB333");
const std::string Egao = Gbk("B6F1B8E3");
const std::string Keai = Gbk("BFC9B0AE");
const std::string Group1 = Gbk("B7D6D7E9BFF231");
const std::string Group2 = Gbk("B7D6D7E9BFF232");
const std::string Group4 = Gbk("B7D6D7E9BFF234");
const std::string Browser1 = Gbk("B3ACCEC4B1BEE4AFC0C0BFF231");
const std::string Browser2 = Gbk("B3ACCEC4B1BEE4AFC0C0BFF232");
const std::string Contact = Gbk("B3ACBCB6B0B4C5A531");
const std::string Label2 = Gbk("B1EAC7A932");

bool RecordingEvents::KeyDown(Key key, Modifiers modifiers) {
    return window != nullptr && CarryOutKey(*window, TheMainWindowLayout(), key, modifiers);
}

void RecordingEvents::FocusLeaving(bool forward) {
    if (window != nullptr) MoveFocusAlong(*window, TheMainWindowLayout(), forward);
}

void RealWindow::SetUp() {
    const MainWindowLayout& layout = TheMainWindowLayout();
    events_.window = platform_.get();
    ASSERT_TRUE(BuildMainWindow(*platform_, layout,
                                StartPlace(layout, platform_->PrimaryScreenSize()), events_));
    platform_->ShowWindow();
    platform_->FocusControl(StartFocusOrder(layout).front()->name, FocusCause::Direct);
    window_ = platform_->Window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
}

void RealWindow::TearDown() {
    platform_.reset();  // the window and its panes go before the engine's profile
    ShutdownWebEngine();
}

QWidget* RealWindow::Control(const std::string& name) const {
    QWidget* control = window_ ? window_->Control(name) : nullptr;
    EXPECT_NE(control, nullptr) << name;
    return control;
}

std::string RealWindow::Focused() const {
    const ControlLayout* row = window_ ? window_->FocusedRow() : nullptr;
    return row ? std::string(row->name) : std::string();
}

bool RealWindow::WaitForFocusOn(const std::string& name) const {
    return QTest::qWaitFor([&] { return Focused() == name; }, 5000);
}

bool RealWindow::WaitForWindowGone() const {
    return QTest::qWaitFor(
        [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return window_.isNull();
        },
        5000);
}

}  // namespace dorvane::test
