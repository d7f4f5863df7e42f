// The GUI tests' entry: the web engine's flags before the application
// object (as the program's own main does), then one QApplication for all,
// offscreen unless the environment names another platform (test discovery
// runs this without ctest's environment).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt_browser_pane.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    dorvane::PrepareWebEngineBeforeApplication();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
