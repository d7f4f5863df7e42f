#include "platform/flat_image_button.h"

#include <QPainter>

namespace dorvane {

FlatImageButton::FlatImageButton(const QImage& picture, bool border, QWidget* parent)
    : QAbstractButton(parent), picture_(picture), border_(border) {
    setAttribute(Qt::WA_Hover);
}

void FlatImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (border_) {
        painter.setPen(palette().color(underMouse() ? QPalette::Highlight : QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (picture_.isNull()) return;
    // the caption is empty, so the picture stands alone in the middle
    QRect place(QPoint(), picture_.size());
    place.moveCenter(rect().center());
    if (isDown()) place.translate(1, 1);
    painter.drawImage(place, picture_);
}

}  // namespace dorvane
