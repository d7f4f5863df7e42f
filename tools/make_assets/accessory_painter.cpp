#include "accessory_painter.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "ink.h"

namespace dorvane::assets {

namespace {

constexpr Rgb Gold = 0xf5c542;
constexpr Rgb InnerEar = 0xffb7c9;

}  // namespace

AccessoryPainter::AccessoryPainter(QPainter& painter, const FigureLook& look,
                                   const FigureGeometry& geometry)
    : painter_(painter), look_(look), g_(geometry) {}

void AccessoryPainter::paintBack() {
    const double cx = g_.centreX;
    const Rgb c = look_.backColour;
    switch (look_.back) {
        case Back::None:
            return;
        case Back::AngelWings:
            for (const double side : {-1.0, 1.0})
                for (int i = 3; i >= 0; --i) {
                    QPainterPath feather = ink::ellipse({0, 0}, 17 - i * 2.5, 5.5);
                    QTransform place;
                    place.translate(cx + side * (18 + i * 5), 116 + i * 7);
                    place.rotate(side * (-28 + i * 14));
                    ink::fillOutlined(painter_, place.map(feather), c, 0.8);
                }
            return;
        case Back::FairyWings:
            for (const double side : {-1.0, 1.0}) {
                for (const double lift : {-1.0, 1.0}) {
                    QPainterPath wing = ink::ellipse({0, 0}, lift < 0 ? 20 : 13, lift < 0 ? 11 : 8);
                    QTransform place;
                    place.translate(cx + side * 24, 124 + lift * 12);
                    place.rotate(side * lift * 28);
                    painter_.setPen(QPen(ink::darker(c, 140), 0.9));
                    painter_.setBrush(ink::colour(c, 150));
                    painter_.drawPath(place.map(wing));
                }
            }
            return;
        case Back::Cape: {
            QPainterPath cape;
            cape.moveTo(cx - 18, 106);
            cape.lineTo(cx + 18, 106);
            cape.quadTo(cx + 36, 170, cx + 40, 238);
            cape.quadTo(cx, 246, cx - 40, 238);
            cape.quadTo(cx - 36, 170, cx - 18, 106);
            ink::fillOutlined(painter_, cape, c);
            return;
        }
        case Back::Tail: {
            QPainterPath tail;
            tail.moveTo(cx + 8, 160);
            tail.cubicTo(cx + 40, 170, cx + 46, 130, cx + 36, 118);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(QPen(ink::darker(c, 150), 5.0, Qt::SolidLine, Qt::RoundCap));
            painter_.drawPath(tail);
            painter_.setPen(QPen(ink::colour(c), 3.2, Qt::SolidLine, Qt::RoundCap));
            painter_.drawPath(tail);
            return;
        }
    }
}

void AccessoryPainter::paintEars(double spread, double height, double width, bool round) {
    const QPointF top = g_.crown();
    const Rgb c = look_.headwearColour;
    for (const double side : {-1.0, 1.0}) {
        const QPointF base = top + QPointF(side * spread, 8);
        if (round) {
            ink::fillOutlined(painter_, ink::circle(base + QPointF(0, -4), width), c);
            ink::fillOutlined(painter_, ink::circle(base + QPointF(0, -4), width * 0.55), InnerEar,
                              0.5);
            continue;
        }
        QPainterPath ear;
        ear.moveTo(base + QPointF(-width, 4));
        ear.quadTo(base + QPointF(side * width * 0.6 - width, -height * 0.6),
                   base + QPointF(side * width * 0.5, -height));
        ear.quadTo(base + QPointF(side * width * 0.6 + width, -height * 0.6),
                   base + QPointF(width, 4));
        ear.closeSubpath();
        ink::fillOutlined(painter_, ear, c);
        QTransform inner;
        inner.translate(base.x(), base.y());
        inner.scale(0.5, 0.7);
        inner.translate(-base.x(), -base.y());
        ink::fillOutlined(painter_, inner.map(ear), InnerEar, 0.0);
    }
}

void AccessoryPainter::paintHeadwear() {
    const QPointF top = g_.crown();
    const Rgb c = look_.headwearColour;
    switch (look_.headwear) {
        case Headwear::None:
            return;
        case Headwear::Bow: {
            const QPointF k = top + QPointF(15, 6);
            for (const double side : {-1.0, 1.0}) {
                QPainterPath lobe;
                lobe.moveTo(k);
                lobe.lineTo(k + QPointF(side * 11, -7));
                lobe.quadTo(k + QPointF(side * 14, 0), k + QPointF(side * 11, 7));
                lobe.closeSubpath();
                ink::fillOutlined(painter_, lobe, c);
            }
            ink::fillOutlined(painter_, ink::circle(k, 3), c);
            return;
        }
        case Headwear::FlowerCrown:
            for (int i = 0; i < 7; ++i) {
                const double a = -1.2 + i * 0.4;
                const QPointF at(top.x() + 27 * std::sin(a), top.y() + 14 - 12 * std::cos(a));
                ink::fillOutlined(painter_, ink::ellipse(at + QPointF(3, 2), 3, 1.6), 0x6cc46a,
                                  0.4);
                ink::fillOutlined(painter_, ink::flower(at, 4.2, 5), i % 2 ? 0xffffff : c, 0.5);
                ink::fillOutlined(painter_, ink::circle(at, 1.2), 0xffd24a, 0.0);
            }
            return;
        case Headwear::CatEars:
            paintEars(17, 16, 7, false);
            return;
        case Headwear::BunnyEars:
            paintEars(9, 40, 6, false);
            return;
        case Headwear::BearEars:
            paintEars(20, 0, 7.5, true);
            return;
        case Headwear::Crown:
        case Headwear::Tiara: {
            const bool tiara = look_.headwear == Headwear::Tiara;
            const double w = tiara ? 10 : 14;
            const double h = tiara ? 8 : 15;
            const QPointF b = top + QPointF(0, tiara ? 8 : 6);
            QPainterPath crown;
            crown.moveTo(b + QPointF(-w, 0));
            crown.lineTo(b + QPointF(-w, -h * 0.6));
            crown.lineTo(b + QPointF(-w * 0.5, -h * 0.3));
            crown.lineTo(b + QPointF(0, -h));
            crown.lineTo(b + QPointF(w * 0.5, -h * 0.3));
            crown.lineTo(b + QPointF(w, -h * 0.6));
            crown.lineTo(b + QPointF(w, 0));
            crown.closeSubpath();
            ink::fillOutlined(painter_, crown, tiara ? 0xe4e9f2 : Gold, 0.8);
            ink::fillOutlined(painter_, ink::circle(b + QPointF(0, -h * 0.35), 2.0), c, 0.5);
            return;
        }
        case Headwear::Halo: {
            QRadialGradient glow(top + QPointF(0, -12), 20);
            glow.setColorAt(0, ink::colour(c, 120));
            glow.setColorAt(1, ink::colour(c, 0));
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(glow);
            painter_.drawEllipse(top + QPointF(0, -12), 20, 10);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(QPen(ink::colour(c), 2.4));
            painter_.drawEllipse(top + QPointF(0, -12), 15, 4.2);
            return;
        }
        case Headwear::Hairpin:
            ink::fillOutlined(painter_, ink::flower(top + QPointF(-17, 12), 6.5, 5), c, 0.6);
            ink::fillOutlined(painter_, ink::circle(top + QPointF(-17, 12), 1.8), 0xffe066, 0.4);
            return;
        case Headwear::Antennae:
            for (const double side : {-1.0, 1.0}) {
                painter_.setBrush(Qt::NoBrush);
                painter_.setPen(QPen(ink::colour(0x303040), 1.3, Qt::SolidLine, Qt::RoundCap));
                painter_.drawLine(top + QPointF(side * 7, 4), top + QPointF(side * 14, -16));
                ink::fillOutlined(painter_, ink::circle(top + QPointF(side * 14, -17), 3.6), c);
            }
            return;
        case Headwear::Beret:
        case Headwear::SunHat:
        case Headwear::WitchHat:
        case Headwear::PartyHat:
            paintHat();
            return;
    }
}

void AccessoryPainter::paintHat() {
    const QPointF top = g_.crown();
    const Rgb c = look_.headwearColour;
    const Rgb band = look_.accent;
    switch (look_.headwear) {
        case Headwear::Beret: {
            QPainterPath beret = ink::ellipse(top + QPointF(5, 5), 27, 10);
            QTransform tilt;
            tilt.translate(top.x() + 5, top.y() + 5);
            tilt.rotate(-10);
            tilt.translate(-top.x() - 5, -top.y() - 5);
            ink::fillOutlined(painter_, tilt.map(beret), c);
            ink::fillOutlined(painter_, ink::circle(top + QPointF(6, -5), 2), c);
            return;
        }
        case Headwear::SunHat:
            ink::fillOutlined(painter_, ink::ellipse(top + QPointF(0, 10), 42, 9), c);
            ink::fillOutlined(painter_,
                              ink::ellipse(top + QPointF(0, 2), 22, 13)
                                  .subtracted(ink::ellipse(top + QPointF(0, 22), 40, 12)),
                              c);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(band));
            painter_.drawRect(QRectF(top.x() - 22, top.y() + 3, 44, 4));
            ink::fillOutlined(painter_, ink::flower(top + QPointF(16, 4), 5, 5), band, 0.5);
            return;
        case Headwear::WitchHat: {
            ink::fillOutlined(painter_, ink::ellipse(top + QPointF(0, 9), 36, 7), c);
            QPainterPath cone;
            cone.moveTo(top + QPointF(-16, 8));
            cone.quadTo(top + QPointF(-6, -18), top + QPointF(20, -36));
            cone.quadTo(top + QPointF(4, -16), top + QPointF(16, 8));
            cone.closeSubpath();
            ink::fillOutlined(painter_, cone, c);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(band));
            painter_.drawRect(QRectF(top.x() - 15, top.y() + 1, 30, 5));
            return;
        }
        case Headwear::PartyHat: {
            QPainterPath cone;
            cone.moveTo(top + QPointF(-11, 6));
            cone.lineTo(top + QPointF(4, -26));
            cone.lineTo(top + QPointF(11, 6));
            cone.closeSubpath();
            ink::fillOutlined(painter_, cone, c);
            painter_.save();
            painter_.setClipPath(cone);
            painter_.setPen(QPen(ink::colour(band), 2.5));
            for (double y = -20; y < 8; y += 7)
                painter_.drawLine(top + QPointF(-14, y + 4), top + QPointF(14, y - 4));
            painter_.restore();
            ink::fillOutlined(painter_, ink::circle(top + QPointF(4, -27), 3.5), band);
            return;
        }
        default:
            return;
    }
}

}  // namespace dorvane::assets
