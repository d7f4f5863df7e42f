#include "pattern_painter.h"

#include <QPainter>

#include "ink.h"

namespace dorvane::assets {

PatternPainter::PatternPainter(QPainter& painter) : painter_(painter) {}

void PatternPainter::paint(const QPainterPath& garment, Pattern pattern, Rgb inkColour) {
    if (pattern == Pattern::Plain) return;
    const QRectF box = garment.boundingRect();
    painter_.save();
    painter_.setClipPath(garment, Qt::IntersectClip);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ink::colour(inkColour, 215));
    constexpr double Step = 9.0;
    int row = 0;
    for (double y = box.top() + 3; y < box.bottom() + Step; y += Step, ++row) {
        const double shift = (row % 2) * Step / 2;
        for (double x = box.left() + shift; x < box.right() + Step; x += Step) {
            const QPointF c(x, y);
            switch (pattern) {
                case Pattern::Dots:
                    painter_.drawEllipse(c, 1.5, 1.5);
                    break;
                case Pattern::Flowers:
                    painter_.drawPath(ink::flower(c, 2.8, 5));
                    break;
                case Pattern::Hearts:
                    painter_.drawPath(ink::heart(c, 2.3));
                    break;
                case Pattern::Stars:
                    painter_.drawPath(ink::star(c, 2.8, 1.2, 5));
                    break;
                default:
                    break;
            }
        }
    }
    if (pattern == Pattern::Stripes)
        for (double y = box.top() + 2; y < box.bottom(); y += 6)
            painter_.drawRect(QRectF(box.left(), y, box.width(), 2.2));
    if (pattern == Pattern::Checks) {
        painter_.setBrush(ink::colour(inkColour, 90));
        for (double y = box.top(); y < box.bottom(); y += 8)
            painter_.drawRect(QRectF(box.left(), y, box.width(), 4));
        for (double x = box.left(); x < box.right(); x += 8)
            painter_.drawRect(QRectF(x, box.top(), 4, box.height()));
    }
    painter_.restore();
}

}  // namespace dorvane::assets
