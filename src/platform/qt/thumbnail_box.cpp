#include "platform/qt/thumbnail_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/phase_timing.h"
#include "pictures/jpeg_decoder.h"
#include "platform/qt/qt_image.h"

namespace dorvane {

ThumbnailBox::ThumbnailBox(std::span<const std::uint8_t> jpeg, bool border, QWidget* parent)
    : QWidget(parent), jpeg_(jpeg), border_(border) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect ThumbnailBox::Inside() const {
    return border_ ? rect().adjusted(1, 1, -1, -1) : rect();
}

const QImage& ThumbnailBox::Picture(QSize devicePixels, qreal ratio) {
    if (!undecodable_ && picture_.size() != devicePixels) {
        // Only the drawn pixels are kept; a new size (another screen's pixel
        // ratio) decodes again. Full size, then a smooth scale: libjpeg-turbo's
        // SIMD full-size decode beats its DCT scaling to these boxes
        // (bench/thumbnails_bench.cpp).
        DORVANE_TIME_PHASE(Pictures);
        const QImage full = QImageOf(DecodeJpeg(jpeg_), QImage::Format_RGB32);
        decoded_ = true;
        undecodable_ = full.isNull();
        picture_ = undecodable_
                       ? QImage()
                       : full.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture_.setDevicePixelRatio(ratio);
    }
    return picture_;
}

void ThumbnailBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (border_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QRect inside = Inside();
    if (inside.isEmpty()) return;
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels(qRound(inside.width() * ratio), qRound(inside.height() * ratio));
    const QImage& picture = Picture(devicePixels, ratio);
    if (!picture.isNull()) painter.drawImage(inside.topLeft(), picture);
}

void ThumbnailBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
    // not consumed: the box sees the press as usual, which does nothing more
    QWidget::mousePressEvent(event);
}

// QWidget's own version treats the second press of a double click as a press.
void ThumbnailBox::mouseDoubleClickEvent(QMouseEvent* event) {
    event->ignore();
}

}  // namespace dorvane
