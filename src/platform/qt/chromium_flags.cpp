#include "platform/qt/chromium_flags.h"

#include <sstream>

namespace dorvane {
namespace {

bool HasFlag(std::string_view flags, std::string_view flag) {
    std::istringstream words{std::string(flags)};
    for (std::string word; words >> word;) {
        if (word == flag) return true;
    }
    return false;
}

}  // namespace

std::string ChromiumFlags(std::string_view existing, bool runningAsRoot) {
    std::string flags(existing);
    const auto add = [&flags](std::string_view flag) {
        if (HasFlag(flags, flag)) return;
        if (!flags.empty()) flags += ' ';
        flags += flag;
    };
    // Chromium will not start as root with its sandbox on; anyone else keeps it.
    if (runningAsRoot) add("--no-sandbox");
    // no update checks and the like behind the user's back
    add("--disable-background-networking");
    return flags;
}

}  // namespace dorvane
