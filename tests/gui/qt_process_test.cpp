// The process adapter: the executable's path, the current directory, the
// fatal error box and the immediate exit.
#include "platform/qt/qt_process.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace dorvane {
namespace {

namespace fs = std::filesystem;

std::string ZPath(const fs::path& path) {
    std::string windows = "Z:" + path.string();
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

// Catches a path other than the running binary's, and a POSIX path handed
// to the plain logic, which splits at backslashes.
TEST(QtProcessTest, ExecutablePathIsTheTestProgramAsAZPath) {
    QtProcess process;
    EXPECT_EQ(process.ExecutablePath(), ZPath(fs::canonical("/proc/self/exe")));
}

// Catches a result that ignores chdir's failure, and a path not mapped.
TEST(QtProcessTest, SetCurrentDirectoryMovesOnlyToFoldersThatExist) {
    const fs::path start = fs::current_path();
    const fs::path folder = fs::canonical(fs::temp_directory_path());
    QtProcess process;

    EXPECT_TRUE(process.SetWorkingDirectory(ZPath(folder)));
    EXPECT_EQ(fs::current_path(), folder);
    for (const std::string& path : {ZPath(folder / "no such folder"), std::string("Q:\\Tools")}) {
        EXPECT_FALSE(process.SetWorkingDirectory(path)) << path;
        EXPECT_EQ(fs::current_path(), folder) << path;
    }
    fs::current_path(start);
}

// The status the shell sees is the code's low byte, and output still in a
// stdio buffer is not lost. Catches exit(-1)'s clean-up running destructors
// of a half-torn-down program, no flush, and a code passed unmasked.
TEST(QtProcessDeathTest, ExitProcessEndsAtOnceWithTheLowByte) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        int code, status;
    };
    for (const Case c : std::vector<Case>{{-1, 255}, {0, 0}, {263, 7}}) {
        EXPECT_EXIT(
            {
                static char buffer[256];
                std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
                std::fputs("still buffered", stderr);
                QtProcess().ExitProcess(c.code);
            },
            ::testing::ExitedWithCode(c.status), "still buffered")
            << "code " << c.code;
    }
}

// The box has no owner, an OK button and the stop icon, and its text is the
// GBK message decoded. Catches the bytes shown as Latin-1, and a box that
// returns before it is dismissed.
TEST(QtProcessTest, ErrorBoxShowsTheGbkTextUntilDismissed) {
    // "未找到" in GBK
    const std::string message = "SkinH_EL.dll \xCE\xB4\xD5\xD2\xB5\xBD";
    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    bool owned = true;
    int buttons = 0;
    bool dismissed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shownText = box->text();
        shownIcon = box->icon();
        owned = box->parentWidget() != nullptr;
        buttons = static_cast<int>(box->buttons().size());
        dismissed = true;
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(20);
    QtProcess().ShowErrorBox(message);

    EXPECT_TRUE(dismissed);
    EXPECT_EQ(shownText, QString::fromUtf8("SkinH_EL.dll 未找到"));
    EXPECT_EQ(shownIcon, QMessageBox::Critical);
    EXPECT_FALSE(owned);
    EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace dorvane
