#include "prop_painter.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "ink.h"

namespace dorvane::assets {

namespace {

void stick(QPainter& painter, QPointF from, QPointF to, QColor colour, double width) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

}  // namespace

PropPainter::PropPainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry)
    : painter_(painter), look_(look), g_(geometry) {}

void PropPainter::paintCanopy(bool lace) {
    // A dome held up over the head, its shaft running down to the hand.
    const QPointF hand = g_.right.hand;
    const QPointF rim(g_.head.x() + 14, 36);
    const double rx = 40, ry = 24;
    const QPointF top = rim - QPointF(0, ry);
    stick(painter_, hand + QPointF(0, 6), top, ink::colour(0x5a4030), 1.5);
    const Rgb c = look_.heldColour;
    constexpr int Scallops = 6;
    QPainterPath canopy;
    canopy.moveTo(rim + QPointF(-rx, 0));
    canopy.arcTo(QRectF(rim.x() - rx, rim.y() - ry, 2 * rx, 2 * ry), 180, -180);
    for (int i = 0; i < Scallops; ++i) {
        const double x0 = rx - i * (2 * rx / Scallops);
        canopy.quadTo(rim + QPointF(x0 - rx / Scallops, -6),
                      rim + QPointF(x0 - 2 * rx / Scallops, 0));
    }
    canopy.closeSubpath();
    ink::fillOutlined(painter_, canopy, c);
    painter_.save();
    painter_.setClipPath(canopy);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(ink::darker(c, 125), 0.8));
    for (int i = 1; i < Scallops; ++i)
        painter_.drawLine(top, rim + QPointF(-rx + i * (2 * rx / Scallops), -2));
    if (!lace) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ink::colour(look_.accent, 200));
        for (int i = 0; i < Scallops; i += 2) {
            QPainterPath panel;
            panel.moveTo(top);
            panel.lineTo(rim + QPointF(-rx + i * (2 * rx / Scallops), -2));
            panel.lineTo(rim + QPointF(-rx + (i + 1) * (2 * rx / Scallops), -2));
            panel.closeSubpath();
            painter_.drawPath(panel);
        }
    }
    painter_.restore();
    if (lace) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(255, 255, 255, 230));
        for (int i = 0; i <= 16; ++i)
            painter_.drawEllipse(rim + QPointF(-rx + i * (2 * rx / 16), -1.5), 1.7, 1.7);
    }
    ink::fillOutlined(painter_, ink::circle(top, 1.8), 0x5a4030, 0.0);
}

void PropPainter::paint() {
    const QPointF hand = g_.right.hand;
    const Rgb c = look_.heldColour;
    switch (look_.held) {
        case Held::None:
            return;
        case Held::Parasol:
            paintCanopy(true);
            break;
        case Held::Umbrella:
            paintCanopy(false);
            break;
        case Held::Balloon: {
            const QPointF b(hand.x() + 8, 34);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(QPen(ink::colour(0x808080), 0.7));
            QPainterPath string;
            string.moveTo(hand);
            string.cubicTo(hand + QPointF(6, -30), b + QPointF(-6, 40), b + QPointF(0, 16));
            painter_.drawPath(string);
            ink::fillOutlined(painter_, ink::heart(b, 13), c);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(QColor(255, 255, 255, 150));
            painter_.drawEllipse(b + QPointF(-6, -4), 2.5, 3.5);
            break;
        }
        case Held::Fan: {
            QPainterPath fan;
            const QPointF p = hand + QPointF(2, -2);
            fan.moveTo(p);
            fan.arcTo(QRectF(p.x() - 20, p.y() - 20, 40, 40), 20, 110);
            fan.closeSubpath();
            ink::fillOutlined(painter_, fan, c);
            painter_.setPen(QPen(ink::darker(c, 140), 0.6));
            for (int i = 0; i <= 5; ++i) {
                const double a = (20 + i * 22) * 3.14159265 / 180;
                painter_.drawLine(p, p + QPointF(19 * std::cos(a), -19 * std::sin(a)));
            }
            break;
        }
        case Held::Lantern: {
            const QPointF end = hand + QPointF(12, -10);
            stick(painter_, hand, end, ink::colour(0x6a4a30), 1.4);
            stick(painter_, end, end + QPointF(0, 8), ink::colour(0x303030), 0.7);
            QRadialGradient glow(end + QPointF(0, 18), 18);
            glow.setColorAt(0, ink::colour(0xffd870, 160));
            glow.setColorAt(1, ink::colour(0xffd870, 0));
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(glow);
            painter_.drawEllipse(end + QPointF(0, 18), 18, 18);
            ink::fillOutlined(painter_, ink::ellipse(end + QPointF(0, 18), 7, 9), c);
            break;
        }
        case Held::Bouquet: {
            QPainterPath wrap;
            wrap.moveTo(hand + QPointF(0, 8));
            wrap.lineTo(hand + QPointF(-8, -8));
            wrap.lineTo(hand + QPointF(8, -8));
            wrap.closeSubpath();
            const QPointF blooms[] = {{-5, -11}, {3, -13}, {0, -6}, {6, -7}, {-3, -16}};
            for (int i = 0; i < 5; ++i)
                ink::fillOutlined(painter_, ink::flower(hand + blooms[i], 4.2, 5),
                                  i % 2 ? 0xffffff : c, 0.5);
            ink::fillOutlined(painter_, wrap, look_.accent);
            break;
        }
        case Held::Wand:
            stick(painter_, hand + QPointF(-2, 6), hand + QPointF(6, -22), ink::colour(0xf0e6ff),
                  1.8);
            ink::fillOutlined(painter_, ink::star(hand + QPointF(7, -25), 7, 3, 5), c, 0.7);
            break;
        case Held::Lollipop: {
            stick(painter_, hand + QPointF(0, 5), hand + QPointF(2, -18), Qt::white, 1.8);
            const QPointF d = hand + QPointF(2, -25);
            ink::fillOutlined(painter_, ink::circle(d, 8), c);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(QPen(Qt::white, 1.6));
            painter_.drawArc(QRectF(d.x() - 5, d.y() - 5, 10, 10), 0, 270 * 16);
            painter_.drawArc(QRectF(d.x() - 2.5, d.y() - 2.5, 5, 5), 90 * 16, 270 * 16);
            break;
        }
        case Held::Teddy: {
            const QPointF b = hand + QPointF(4, 4);
            ink::fillOutlined(painter_, ink::ellipse(b + QPointF(0, 6), 7, 8), c);
            for (const double side : {-1.0, 1.0})
                ink::fillOutlined(painter_, ink::circle(b + QPointF(side * 5, -9), 2.6), c);
            ink::fillOutlined(painter_, ink::circle(b + QPointF(0, -5), 6), c);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(0x2a1a10));
            painter_.drawEllipse(b + QPointF(-2.2, -6), 0.9, 0.9);
            painter_.drawEllipse(b + QPointF(2.2, -6), 0.9, 0.9);
            ink::fillOutlined(painter_, ink::ellipse(b + QPointF(0, -2.8), 2.2, 1.6),
                              ink::rgbOf(ink::lighter(c, 130)), 0.4);
            break;
        }
        case Held::Banana: {
            QPainterPath banana;
            banana.moveTo(hand + QPointF(-2, 2));
            banana.cubicTo(hand + QPointF(18, 0), hand + QPointF(22, -20), hand + QPointF(14, -30));
            banana.cubicTo(hand + QPointF(14, -18), hand + QPointF(8, -6), hand + QPointF(-2, -3));
            banana.closeSubpath();
            ink::fillOutlined(painter_, banana, c);
            break;
        }
        case Held::Fish: {
            const QPointF f = hand + QPointF(6, 12);
            ink::fillOutlined(painter_, ink::ellipse(f, 6, 12), c);
            QPainterPath fin;
            fin.moveTo(f + QPointF(0, -10));
            fin.lineTo(f + QPointF(-6, -17));
            fin.lineTo(f + QPointF(6, -17));
            fin.closeSubpath();
            ink::fillOutlined(painter_, fin, c);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(0x202020));
            painter_.drawEllipse(f + QPointF(-2, 7), 1.2, 1.2);
            break;
        }
        case Held::Microphone:
            stick(painter_, hand + QPointF(0, 6), hand + QPointF(-4, -8), ink::colour(0x303038),
                  3.0);
            ink::fillOutlined(painter_, ink::circle(hand + QPointF(-5, -11), 4.2), 0xb8bcc8, 0.8);
            break;
    }
    if (look_.held != Held::Parasol && look_.held != Held::Umbrella)
        ink::fillOutlined(painter_, ink::circle(hand, 3.0), look_.skin, 0.0);
}

}  // namespace dorvane::assets
