#include "icon_painter.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <stdexcept>

#include "ink.h"

namespace dorvane::assets {

namespace {

// One size's layout, in that size's pixels.
struct IconLayout {
    int size;
    double inset, radius, border;
    QPointF hook;  // centre of the hook's curl
    double hookRadius, stroke;
    bool shoulders;
    double shoulderY, shoulderHalf;
    QRectF letter;  // the D's outer box
    double thickness;
};

constexpr IconLayout Layouts[] = {
    {128, 4, 28, 2.0, {64, 23}, 8.5, 6.0, true, 58, 43, {39, 67, 54, 48}, 15},
    {64, 2, 14, 1.2, {32, 11.5}, 4.2, 3.2, true, 29, 21.5, {19.5, 33, 27, 24.5}, 7.5},
    {48, 1.5, 10.5, 1.0, {24, 8.6}, 3.2, 2.5, true, 21.5, 16, {14.5, 24.5, 20, 18.5}, 5.8},
    {32, 0.5, 7, 1.0, {16, 5.6}, 2.2, 1.8, true, 14, 10.5, {9.5, 16, 14, 13}, 4.2},
    {16, 0, 3.5, 0.8, {8, 2.5}, 1.5, 1.3, false, 0, 0, {3.5, 4.5, 9, 10}, 2.9},
};

const IconLayout& layoutFor(int size) {
    for (const IconLayout& layout : Layouts)
        if (layout.size == size) return layout;
    throw std::invalid_argument("no icon layout for this size");
}

QPainterPath letterD(const QRectF& box, double thickness) {
    auto outline = [](const QRectF& r) {
        QPainterPath path;
        const double bowl = r.height();
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right() - bowl / 2, r.top());
        path.arcTo(QRectF(r.right() - bowl, r.top(), bowl, bowl), 90, -180);
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
        return path;
    };
    return outline(box).subtracted(
        outline(box.adjusted(thickness, thickness, -thickness, -thickness)));
}

QPainterPath hanger(const IconLayout& l) {
    QPainterPath path;
    const QPointF neck(l.hook.x(), l.hook.y() + l.hookRadius);
    // the curl: up the right side, over the top, ending low on the left
    path.moveTo(neck + QPointF(0, l.shoulders ? l.hookRadius * 0.9 : l.hookRadius * 0.6));
    path.lineTo(neck);
    path.arcTo(QRectF(l.hook.x() - l.hookRadius, l.hook.y() - l.hookRadius, 2 * l.hookRadius,
                      2 * l.hookRadius),
               270, 250);
    if (l.shoulders) {
        const QPointF base = neck + QPointF(0, l.hookRadius * 0.9);
        path.moveTo(base);
        path.lineTo(l.hook.x() - l.shoulderHalf, l.shoulderY);
        path.lineTo(l.hook.x() + l.shoulderHalf, l.shoulderY);
        path.closeSubpath();
    }
    return path;
}

}  // namespace

IconImage IconPainter::paint(int size) {
    const IconLayout& l = layoutFor(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF badge(l.inset + l.border / 2, l.inset + l.border / 2,
                       size - 2 * l.inset - l.border, size - 2 * l.inset - l.border);
    QLinearGradient fill(badge.topLeft(), badge.bottomRight());
    fill.setColorAt(0.0, ink::colour(0xff78b0));
    fill.setColorAt(1.0, ink::colour(0x7d55f0));
    painter.setPen(QPen(ink::colour(0x5a2fb0, 220), l.border));
    painter.setBrush(fill);
    painter.drawRoundedRect(badge, l.radius, l.radius);
    // a soft gloss over the upper half
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 38));
    painter.drawRoundedRect(badge.adjusted(l.border, l.border, -l.border, -badge.height() / 2),
                            l.radius * 0.8, l.radius * 0.8);

    const QPainterPath letter = letterD(l.letter, l.thickness);
    const QPainterPath hook = hanger(l);
    const QPen hookPen(Qt::white, l.stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (size >= 48) {
        // a shadow gives the white shapes some lift where there is room for it
        const double drop = size / 48.0;
        painter.translate(drop * 0.6, drop);
        painter.setBrush(QColor(70, 20, 120, 90));
        painter.drawPath(letter);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(QColor(70, 20, 120, 90), l.stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(hook);
        painter.resetTransform();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(letter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(hookPen);
    painter.drawPath(hook);
    painter.end();

    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    IconImage result{size, {}};
    result.argb.reserve(static_cast<std::size_t>(size * size));
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        result.argb.insert(result.argb.end(), row, row + size);
    }
    return result;
}

}  // namespace dorvane::assets
