#include "app/run_directory.h"

namespace dorvane {

namespace {
bool IsGbkLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
}  // namespace

std::string RunDirectoryOf(std::string_view executablePath) {
    std::string_view::size_type lastSeparator = std::string_view::npos;
    for (std::string_view::size_type i = 0; i < executablePath.size(); ++i) {
        const auto byte = static_cast<unsigned char>(executablePath[i]);
        if (IsGbkLeadByte(byte) && i + 1 < executablePath.size()) {
            ++i;  // the trail byte may be 0x5C, which is then no backslash
        } else if (byte == '\\') {
            lastSeparator = i;
        }
    }
    if (lastSeparator == std::string_view::npos) return {};
    return std::string(executablePath.substr(0, lastSeparator));
}

}  // namespace dorvane
