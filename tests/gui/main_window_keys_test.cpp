// The window's key rules as real key presses meet them: Esc closes (also from
// inside the web page), Shift+Esc does not, Tab and Shift+Tab follow the focus
// order (also when the page hands the focus back), Enter clicks nothing.
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QSystemTrayIcon>
#include <QWebEngineView>

#include "platform/qt/qt_browser_pane.h"
#include "real_window_fixture.h"
#include "window_input.h"

namespace dorvane::test {
namespace {

class MainWindowKeys : public RealWindow {
  protected:
    // navigates the main pane and waits until the page is there
    void LoadPage(std::string_view address) {
        auto* pane = qobject_cast<QtBrowserPane*>(Control(Browser1));
        ASSERT_NE(pane, nullptr);
        bool loaded = false;
        QObject::connect(pane->View(), &QWebEngineView::loadFinished, [&](bool) { loaded = true; });
        platform_->Navigate(Browser1, address);
        ASSERT_TRUE(QTest::qWaitFor([&] { return loaded; }, 15000));
    }
};

TEST_F(MainWindowKeys, EscapeClosesTheWindowShiftEscapeDoesNot) {
    platform_->FocusControl(Button(1), FocusCause::Direct);
    ASSERT_TRUE(WaitForFocusOn(Button(1)));
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier)}) {
        PressKey(window_, Qt::Key_Escape, modifiers);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(window_.isNull()) << "closed by Esc with modifiers " << modifiers;
    }
    PressKey(window_, Qt::Key_Escape);
    EXPECT_FALSE(platform_->WindowExists());
    EXPECT_TRUE(WaitForWindowGone());
}

// Would catch: Esc lost while a page holds the focus (it took it by a click;
// the web view forwards its keys to the engine).
TEST_F(MainWindowKeys, EscapeClosesTheWindowFromInsideThePage) {
    LoadPage("data:text/html,<p>a page that does not use Esc</p>");
    Click(Control(Browser1), Qt::LeftButton);
    ASSERT_TRUE(WaitForFocusOn(Browser1));
    PressKey(window_, Qt::Key_Escape);
    EXPECT_TRUE(WaitForWindowGone());
}

// Would catch: Qt's own focus chain (creation order) instead of the focus
// order, the hidden contact pane taking the focus, no wrap at the end.
TEST_F(MainWindowKeys, TabAndShiftTabFollowTheFocusOrder) {
    platform_->FocusControl(Button(1), FocusCause::Direct);
    ASSERT_TRUE(WaitForFocusOn(Button(1)));
    const std::vector<std::string> forward = {Button(2), Button(3), Button(4), Button(5),
                                              Button(6), Contact,   Browser1};
    for (const std::string& next : forward) {
        PressKey(window_, Qt::Key_Tab);
        EXPECT_TRUE(WaitForFocusOn(next)) << Control(next)->objectName().toStdString();
    }
    // the pane passes the focus on to its web view
    QWidget* focus = QApplication::focusWidget();
    auto* pane = qobject_cast<QtBrowserPane*>(Control(Browser1));
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(focus == pane->View() || pane->View()->isAncestorOf(focus))
        << (focus ? focus->metaObject()->className() : "none") << " "
        << (focus ? focus->objectName().toStdString() : "");

    platform_->FocusControl(Button(1), FocusCause::Direct);
    ASSERT_TRUE(WaitForFocusOn(Button(1)));
    PressKey(window_, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(WaitForFocusOn(Browser1));
    platform_->FocusControl(Contact, FocusCause::Direct);
    ASSERT_TRUE(WaitForFocusOn(Contact));
    PressKey(window_, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(WaitForFocusOn(Button(6)));
}

// Would catch: the page's hand-back going along Qt's focus chain, where the
// web view's late focus widget stands at the end.
TEST_F(MainWindowKeys, ThePageHandsTheFocusBackAlongTheFocusOrder) {
    LoadPage("data:text/html,<p>no focusable element</p>");

    platform_->FocusControl(Browser1, FocusCause::Direct);
    ASSERT_TRUE(WaitForFocusOn(Browser1));
    PressKey(window_, Qt::Key_Tab);
    EXPECT_TRUE(WaitForFocusOn(Button(1)));

    platform_->FocusControl(Browser1, FocusCause::Direct);
    ASSERT_TRUE(WaitForFocusOn(Browser1));
    PressKey(window_, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(WaitForFocusOn(Contact));
}

// Would catch: a type button clicked by Enter (a default or auto-default
// button); Space still clicks it, as on any push button.
TEST_F(MainWindowKeys, EnterOnATypeButtonClicksNothing) {
    platform_->FocusControl(Button(2), FocusCause::Direct);
    ASSERT_TRUE(WaitForFocusOn(Button(2)));
    PressKey(window_, Qt::Key_Return);
    PressKey(window_, Qt::Key_Enter, Qt::KeypadModifier);
    PressKey(window_, Qt::Key_F1);
    EXPECT_TRUE(events_.fired.empty());
    EXPECT_EQ(Focused(), Button(2));
    PressKey(window_, Qt::Key_Space);
    EXPECT_EQ(events_.fired, (std::vector<std::string>{Button(2)}));
}

}  // namespace
}  // namespace dorvane::test
