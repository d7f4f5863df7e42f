#include "platform/posix/link_target.h"

#include <unistd.h>

namespace dorvane {

std::optional<std::string> LinkTarget(const char* link) {
    // readlink truncates silently, so a result that fills the buffer may be cut
    // short: grow and read again until it leaves room.
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link, buffer.data(), buffer.size());
        if (length < 0) return std::nullopt;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace dorvane
