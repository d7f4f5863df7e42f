// The type buttons on the real window, through the program's own handlers:
// real clicks switch the real panels, and the notice leaves them alone.
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "core/application_state.h"
#include "platform/null/null_platform.h"
#include "real_window_fixture.h"
#include "window/main_window.h"
#include "window_input.h"

namespace dorvane::test {
namespace {

class PanelSwitchWindow : public RealWindow {
  protected:
    void SetUp() override {
        RealWindow::SetUp();
        events_.forward = &handlers_;
    }

    // the panels whose widgets are visible now, in panel order
    std::vector<std::string> VisiblePanels() const {
        std::vector<std::string> visible;
        for (const std::string* panel : {&Yijing1, &Yijing2, &Yijing3, &Egao, &Keai}) {
            if (window_->Control(*panel)->isVisible()) visible.push_back(*panel);
        }
        return visible;
    }

    NullLibraries libraries_;
    ApplicationState state_;
    MainWindow handlers_{*platform_, libraries_, state_};
};

const std::string* const PanelOf[] = {&Yijing1, &Yijing2, &Yijing3, &Egao, &Keai};

// Would catch: a handler that shows its panel without hiding the others, a
// stored flag that drifts from the widget, boxes that do not follow their panel.
TEST_F(PanelSwitchWindow, AnySequenceOfClicksLeavesTheLastClickedPanelAloneVisible) {
    ASSERT_EQ(VisiblePanels(), std::vector<std::string>{Yijing1});
    for (int k : {4, 2, 2, 5, 1, 3, 3, 4}) {
        Click(Control(Button(k)), Qt::LeftButton);
        WaitOutDoubleClick();
        const std::string& target = *PanelOf[k - 1];
        EXPECT_EQ(VisiblePanels(), std::vector<std::string>{target}) << "after button " << k;
        for (const std::string* panel : PanelOf) {
            EXPECT_EQ(handlers_.PanelVisible(*panel), *panel == target)
                << "stored flag, button " << k;
        }
    }
    // the last click was 按钮4: 恶搞's boxes show, and no other panel's
    EXPECT_TRUE(Control(Box(41))->isVisible());
    EXPECT_FALSE(Control(Box(5))->isVisible());
    EXPECT_FALSE(Control(Box(60))->isVisible());
}

TEST_F(PanelSwitchWindow, TheNoticeLeavesEveryPanelAsItWas) {
    Click(Control(Button(3)), Qt::LeftButton);
    WaitOutDoubleClick();
    bool noticeSeen = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            closer.stop();
            noticeSeen = true;
            // while it is open the window takes no input: this click is blocked
            Click(Control(Button(1)), Qt::LeftButton);
            box->buttons().front()->click();
        }
    });
    closer.start(20);
    Click(Control(Button(6)), Qt::LeftButton);  // returns once the box is dismissed
    EXPECT_TRUE(QTest::qWaitFor([&] { return noticeSeen; }, 3000));
    EXPECT_EQ(VisiblePanels(), std::vector<std::string>{Yijing3});
    EXPECT_TRUE(handlers_.PanelVisible(Yijing3));
}

}  // namespace
}  // namespace dorvane::test
