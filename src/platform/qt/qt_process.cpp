#include "platform/qt/qt_process.h"

#include <unistd.h>

#include <QMessageBox>
#include <QStringDecoder>
#include <cstdio>

#include "platform/posix/link_target.h"
#include "platform/posix/windows_paths.h"
#include "platform/qt/qt_browser_pane.h"

namespace dorvane {

void QtProcess::InitialiseComponent() {
    InitialiseWebEngine();
}

void QtProcess::ShutdownComponent() {
    ShutdownWebEngine();
}

std::string QtProcess::ExecutablePath() {
    const auto target = LinkTarget("/proc/self/exe");
    if (!target) return {};
    return paths::ToWindows(*target).value_or(std::string{});
}

bool QtProcess::SetWorkingDirectory(std::string_view windowsPath) {
    const auto path = paths::ToPosix(windowsPath);
    return path && ::chdir(path->c_str()) == 0;
}

void QtProcess::ShowErrorBox(std::string_view gbkText) {
    QStringDecoder fromGbk("GBK");
    const QString text = fromGbk(QByteArrayView(gbkText.data(), gbkText.size()));
    // No parent and exec(): modal to the whole application, as a box
    // without an owner is. The caption is the one Windows gives such a box.
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("错误"), text, QMessageBox::Ok);
    box.exec();
}

// The icons the program shows (window, tray) are QIcon values owned by the
// window and gone with it; the process itself holds no icon handles.
void QtProcess::ReleaseIcons() {}

void QtProcess::ExitProcess(int code) {
    std::fflush(nullptr);
    // A POSIX status is the low byte: -1 becomes 255.
    ::_exit(code & 0xFF);
}

}  // namespace dorvane
