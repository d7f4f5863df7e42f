// The drive mapping. Windows compares names without regard to case; here only
// the drive letter is case-insensitive, the folders under it are matched as
// spelt (the program spells its own folders one way throughout).
#include "platform/posix/windows_paths.h"

#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/posix/gbk.h"

namespace dorvane::paths {
namespace {

constexpr std::string_view DriveCUnderDataHome = "/dorvane/drive_c";
// Made inside drive C: on first use, parents first.
constexpr std::string_view FoldersWindowsHas[] = {"/WINDOWS", "/WINDOWS/system32",
                                                  "/WINDOWS/system32/drivers"};

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return "/tmp";
}

// The XDG rules: an unset, empty or relative XDG_DATA_HOME means ~/.local/share.
std::string DataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        return WithoutTrailingSlashes(xdg);
    }
    return WithoutTrailingSlashes(HomeFolder()) + "/.local/share";
}

void MakeFolderChain(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        mkdir(prefix.c_str(), 0700);  // an existing folder is fine
        if (slash == std::string::npos) {
            return;
        }
    }
}

bool IsAtOrUnder(std::string_view path, std::string_view folder) {
    return path.size() >= folder.size() && path.substr(0, folder.size()) == folder &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

// The C: folder as spelt and as the kernel resolves it (a symlinked /tmp).
std::vector<std::string> DriveCSpellings() {
    std::vector<std::string> spellings{DriveCFolder()};
    char resolved[PATH_MAX];
    if (realpath(spellings.front().c_str(), resolved) != nullptr && spellings.front() != resolved) {
        spellings.emplace_back(resolved);
    }
    return spellings;
}

char CurrentDrive() {
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof cwd) == nullptr) {
        return 'Z';
    }
    for (const std::string& c : DriveCSpellings()) {
        if (IsAtOrUnder(cwd, c)) {
            return 'C';
        }
    }
    return 'Z';
}

std::string DriveRoot(char drive) {
    return drive == 'C' ? DriveCFolder() : std::string();
}

std::string CollapseSlashes(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (c != '/' || out.empty() || out.back() != '/') {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::string DriveCFolder() {
    std::string folder = DataHome() + std::string(DriveCUnderDataHome);
    MakeFolderChain(folder);
    for (std::string_view sub : FoldersWindowsHas) {
        mkdir((folder + std::string(sub)).c_str(), 0700);
    }
    return folder;
}

std::optional<std::string> ToPosix(std::string_view windowsGbkPath) {
    if (windowsGbkPath.empty() || windowsGbkPath.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    // Split only after decoding: a GBK trail byte may be 0x5C, a backslash.
    std::optional<std::string> utf8 = gbk::ToUtf8(windowsGbkPath);
    if (!utf8) {
        return std::nullopt;
    }
    std::string path = std::move(*utf8);
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (path.size() >= 2 && path[0] == '/' && path[1] == '/') {
        return std::nullopt;  // \\server\share
    }
    char drive = 0;
    if (path.size() >= 2 && path[1] == ':') {
        const char letter = path[0];
        if (!((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))) {
            return std::nullopt;
        }
        drive = static_cast<char>(letter & ~0x20);
        if (drive != 'C' && drive != 'Z') {
            return std::nullopt;
        }
        path.erase(0, 2);
    }
    const bool rooted = !path.empty() && path[0] == '/';
    if (!rooted) {
        // "C:name" is relative to the drive's current folder: ours when it is the
        // current drive, else its root (no other drive has a current folder here).
        if (drive == 0 || drive == CurrentDrive()) {
            return path.empty() ? std::string(".") : CollapseSlashes(path);
        }
        path = "/" + path;
    }
    return CollapseSlashes(DriveRoot(drive == 0 ? CurrentDrive() : drive) + path);
}

std::optional<std::string> ToWindows(std::string_view posixUtf8Path) {
    if (posixUtf8Path.empty() || posixUtf8Path[0] != '/' ||
        posixUtf8Path.find_first_of(std::string_view("\\\0", 2)) != std::string_view::npos) {
        return std::nullopt;  // relative, or a backslash that would read back as a separator
    }
    const std::string path = CollapseSlashes(posixUtf8Path);
    std::string windows = "Z:" + path;
    for (const std::string& c : DriveCSpellings()) {
        if (IsAtOrUnder(path, c)) {
            windows = "C:" + path.substr(c.size());
            if (windows.size() == 2) {
                windows.push_back('/');
            }
            break;
        }
    }
    for (char& ch : windows) {
        if (ch == '/') {
            ch = '\\';
        }
    }
    return gbk::FromUtf8(windows);
}

}  // namespace dorvane::paths
