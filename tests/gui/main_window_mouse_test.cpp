// Mouse input on the real window: a thumbnail acts when the left button goes
// down, a double click acts once, the right button not at all; the buttons'
// clicks reach their handlers.
#include <gtest/gtest.h>

#include "real_window_fixture.h"
#include "window_input.h"

namespace dorvane::test {
namespace {

using MainWindowMouse = RealWindow;
using Fired = std::vector<std::string>;

TEST_F(MainWindowMouse, AThumbnailActsWhenTheLeftButtonGoesDown) {
    Press(Control(Box(7)), Qt::LeftButton);
    EXPECT_EQ(events_.fired, Fired{Box(7)});
    Release(Control(Box(7)), Qt::LeftButton);
    EXPECT_EQ(events_.fired, Fired{Box(7)}) << "the release does nothing more";
}

// Would catch: QWidget's own double-click handling, which presses again.
TEST_F(MainWindowMouse, ADoubleClickActsOnceAThirdQuickPressAgain) {
    QWidget* box = Control(Box(3));
    Click(box, Qt::LeftButton);
    Click(box, Qt::LeftButton);
    EXPECT_EQ(events_.fired, Fired{Box(3)});
    Click(box, Qt::LeftButton);
    EXPECT_EQ(events_.fired, (Fired{Box(3), Box(3)}));
    WaitOutDoubleClick();
    Click(box, Qt::LeftButton);
    EXPECT_EQ(events_.fired.size(), 3u) << "a slow press is a press";
}

TEST_F(MainWindowMouse, TheRightButtonDoesNothingModifiersChangeNothing) {
    QWidget* box = Control(Box(12));
    Click(box, Qt::RightButton);
    Click(box, Qt::MiddleButton);
    EXPECT_TRUE(events_.fired.empty());
    for (const Qt::KeyboardModifier modifier :
         {Qt::ControlModifier, Qt::ShiftModifier, Qt::AltModifier}) {
        WaitOutDoubleClick();
        Click(box, Qt::LeftButton, modifier);
    }
    EXPECT_EQ(events_.fired, (Fired{Box(12), Box(12), Box(12)}));
}

TEST_F(MainWindowMouse, ButtonClicksReachTheirHandlers) {
    Click(Control(Button(4)), Qt::LeftButton);
    WaitOutDoubleClick();
    Click(Control(Contact), Qt::LeftButton);
    WaitOutDoubleClick();
    Click(Control(Label2), Qt::LeftButton);  // bound to nothing
    EXPECT_EQ(events_.fired, (Fired{Button(4), Contact}));
}

}  // namespace
}  // namespace dorvane::test
