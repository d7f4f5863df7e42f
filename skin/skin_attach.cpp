// SkinH_AttachEx: map the path, read the file (bounded), read the skin as a
// pure function over its bytes, and only then touch the application.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QThread>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "SkinH_EL.h"
#include "format/skin_reader.h"
#include "platform/posix/windows_paths.h"
#include "theme_applier.h"

namespace dorvane::skin {
namespace {

// Non-blocking open so a FIFO cannot hang the program; regular files only.
std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> bytes;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
        static_cast<std::uint64_t>(info.st_size) <= MaxFileSize) {
        // One byte more than the size says, to notice a file that grew meanwhile.
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(info.st_size) + 1);
        std::size_t used = 0;
        while (used < buffer.size()) {
            const ssize_t got = read(fd, buffer.data() + used, buffer.size() - used);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            used += static_cast<std::size_t>(got);
        }
        if (used <= MaxFileSize && used < buffer.size()) {
            buffer.resize(used);
            bytes = std::move(buffer);
        }
    }
    close(fd);
    return bytes;
}

int ResultOf(ReadError error) {
    switch (error) {
        case ReadError::None:
            return SkinH_Attached;
        case ReadError::BadHeader:
            return SkinH_BadHeader;
        case ReadError::BadBodySize:
            return SkinH_BadBodySize;
        case ReadError::BadProperties:
        case ReadError::CorruptStream:
            return SkinH_BadStream;
        case ReadError::BadBody:
            return SkinH_BadBody;
        case ReadError::WrongPassword:
            return SkinH_WrongPassword;
    }
    return SkinH_Failed;
}

int Attach(const char* skinFile, const char* password) {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr || QThread::currentThread() != application->thread()) {
        return SkinH_NoApplication;
    }
    if (skinFile == nullptr) {
        return SkinH_BadPath;
    }
    const std::optional<std::string> path = paths::ToPosix(skinFile);
    if (!path) {
        return SkinH_BadPath;
    }
    const std::optional<std::vector<std::uint8_t>> file = ReadSmallFile(*path);
    if (!file) {
        return SkinH_Unreadable;
    }
    const ReadResult skin = ReadSkinFile(*file, password == nullptr ? "" : password);
    if (skin.error != ReadError::None) {
        return ResultOf(skin.error);
    }
    return ApplyTheme(*application, skin.theme) ? SkinH_Attached : SkinH_NoStyle;
}

}  // namespace
}  // namespace dorvane::skin

extern "C" int SkinH_AttachEx(const char* skinFile, const char* password) {
    try {
        return dorvane::skin::Attach(skinFile, password);
    } catch (...) {  // nothing may unwind into the caller's C frame
        return SkinH_Failed;
    }
}
