// GBK <-> UTF-8 conversion for the adapters that work below Qt (file names,
// the skin engine's arguments). Qt code uses QStringDecoder("GBK") instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorvane::gbk {

// none when the bytes are not valid in the source encoding
std::optional<std::string> ToUtf8(std::string_view gbk);
std::optional<std::string> FromUtf8(std::string_view utf8);

}  // namespace dorvane::gbk
