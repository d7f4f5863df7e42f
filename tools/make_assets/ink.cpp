#include "ink.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace dorvane::assets::ink {

QColor colour(Rgb rgb, int alpha) {
    return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff, alpha);
}

Rgb rgbOf(const QColor& c) {
    return static_cast<Rgb>(c.rgb()) & 0xffffff;
}

QColor darker(Rgb rgb, int factor) {
    return colour(rgb).darker(factor);
}

QColor lighter(Rgb rgb, int factor) {
    return colour(rgb).lighter(factor);
}

void fillOutlined(QPainter& painter, const QPainterPath& shape, Rgb fill, double rim) {
    painter.setBrush(colour(fill));
    if (rim > 0.0)
        painter.setPen(QPen(darker(fill, 165), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(shape);
}

void fillGradient(QPainter& painter, const QRectF& area, Rgb top, Rgb bottom) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, colour(top));
    gradient.setColorAt(1.0, colour(bottom));
    painter.fillRect(area, gradient);
}

QPainterPath circle(QPointF centre, double radius) {
    return ellipse(centre, radius, radius);
}

QPainterPath ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath heart(QPointF c, double s) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.9);
    path.cubicTo(c.x() - s * 1.3, c.y() + s * 0.1, c.x() - s * 0.9, c.y() - s * 0.9, c.x(),
                 c.y() - s * 0.35);
    path.cubicTo(c.x() + s * 0.9, c.y() - s * 0.9, c.x() + s * 1.3, c.y() + s * 0.1, c.x(),
                 c.y() + s * 0.9);
    return path;
}

QPainterPath star(QPointF c, double outer, double inner, int points, double turn) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = turn + std::numbers::pi * i / points - std::numbers::pi / 2;
        const QPointF p(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath flower(QPointF c, double s, int petals) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int i = 0; i < petals; ++i) {
        const double a = 2 * std::numbers::pi * i / petals;
        path.addEllipse(QPointF(c.x() + s * 0.55 * std::cos(a), c.y() + s * 0.55 * std::sin(a)),
                        s * 0.45, s * 0.45);
    }
    return path;
}

}  // namespace dorvane::assets::ink
