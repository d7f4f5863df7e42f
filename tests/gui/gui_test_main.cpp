// The GUI tests' entry: the web engine's flags before the application
// object (as the program's own main does), then one QApplication for all,
// offscreen unless the environment names another platform (test discovery
// runs this without ctest's environment). The web profile's files go to a
// private data and cache home, removed once the application, and with it
// the engine's threads that write them, has gone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "platform/qt/qt_browser_pane.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // a death test's child ends at once and uses the home its parent made
    const bool deathTestChild = !GTEST_FLAG_GET(internal_run_death_test).empty();
    char pattern[] = "/tmp/dorvane_gui_home_XXXXXX";
    const std::string home = !deathTestChild && ::mkdtemp(pattern) ? pattern : "";
    if (!home.empty()) {
        ::setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
    }
    dorvane::PrepareWebEngineBeforeApplication();
    int result;
    {
        QApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    if (!home.empty()) std::filesystem::remove_all(home, ignored);
    return result;
}
