#include "platform/qt/gbk_qstring.h"

#include <QStringDecoder>

namespace dorvane {

QString QStringFromGbk(std::string_view gbk) {
    // a fresh decoder each time: a decoder keeps state across calls
    QStringDecoder decoder("GBK");
    return decoder(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

}  // namespace dorvane
