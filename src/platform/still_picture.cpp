#include "platform/still_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace dorvane {

QImage StillPicture(std::span<const std::uint8_t> file, bool transparentFromTopLeft) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                                     static_cast<qsizetype>(file.size()));
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull() || !transparentFromTopLeft) return picture;

    const QRgb key = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (line[x] == key) line[x] = 0;
        }
    }
    return picture;
}

}  // namespace dorvane
