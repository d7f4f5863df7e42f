#include "platform/qt/still_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "platform/qt/qt_image.h"

namespace dorvane {

QImage StillPicture(std::span<const std::uint8_t> file, bool transparentFromTopLeft) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                                     static_cast<qsizetype>(file.size()));
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull() || !transparentFromTopLeft) return picture;
    Image keyed = ImageOf(picture);
    ClearTopLeftColour(keyed);
    return QImageOf(std::move(keyed));
}

}  // namespace dorvane
