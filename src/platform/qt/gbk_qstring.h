// The program's GBK texts (layout names, captions, tips) as QStrings, at the
// boundary where they reach Qt.
#pragma once

#include <QString>
#include <string_view>

namespace dorvane {

// Bytes that are not GBK come out as replacement characters.
QString QStringFromGbk(std::string_view gbk);

}  // namespace dorvane
