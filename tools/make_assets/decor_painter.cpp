#include "decor_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "ink.h"
#include "random_stream.h"

namespace dorvane::assets {

DecorPainter::DecorPainter(QPainter& painter, const SceneLook& look, RandomStream& random)
    : painter_(painter), look_(look), random_(random) {}

void DecorPainter::paintFar() {
    switch (look_.decor) {
        case Decor::Aurora:
            paintAurora();
            break;
        case Decor::Clouds:
            paintClouds();
            break;
        case Decor::Rainbow:
            paintRainbow();
            break;
        default:
            break;
    }
}

void DecorPainter::paintNear() {
    switch (look_.decor) {
        case Decor::Blossoms:
            paintBlossoms();
            break;
        case Decor::Tree:
            paintTree();
            break;
        case Decor::Reeds:
            paintReeds();
            break;
        case Decor::Bamboo:
            paintBamboo();
            break;
        case Decor::Lanterns:
            paintLanterns();
            break;
        default:
            break;
    }
}

void DecorPainter::paintBlossoms() {
    // A branch reaching in from the top-left corner, with twigs and clusters of flowers.
    QPainterPath branch;
    branch.moveTo(-6, 30);
    branch.cubicTo(30, 20, 60, 42, 110, 18);
    QPainterPath twig;
    twig.moveTo(40, 29);
    twig.quadTo(52, 52, 46, 68);
    twig.moveTo(80, 31);
    twig.quadTo(96, 38, 120, 58);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(ink::colour(0x6b4436), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter_.drawPath(branch);
    painter_.setPen(QPen(ink::colour(0x6b4436), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter_.drawPath(twig);
    for (int i = 0; i < 26; ++i) {
        const double t = random_.uniform(0, 1);
        const QPainterPath& along = (i % 3 == 0) ? twig : branch;
        const QPointF c =
            along.pointAtPercent(t) + QPointF(random_.uniform(-6, 6), random_.uniform(-6, 6));
        const double s = random_.uniform(3.2, 5.0);
        painter_.setPen(QPen(ink::darker(look_.decorColour, 125), 0.5));
        painter_.setBrush(ink::colour(look_.decorColour));
        painter_.drawPath(ink::flower(c, s, 5));
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ink::colour(0xfff1a8));
        painter_.drawEllipse(c, s * 0.22, s * 0.22);
    }
}

void DecorPainter::paintTree() {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ink::colour(0x6a4a34));
    QPainterPath trunk;
    trunk.moveTo(0, 232);
    trunk.lineTo(0, 60);
    trunk.quadTo(14, 120, 18, 232);
    trunk.closeSubpath();
    painter_.drawPath(trunk);
    for (int i = 0; i < 22; ++i) {
        const QPointF c(random_.uniform(-14, 52), random_.uniform(-8, 70));
        const double r = random_.uniform(9, 17);
        const int tone = 90 + random_.below(40);
        painter_.setBrush(ink::colour(look_.decorColour).darker(tone));
        painter_.drawEllipse(c, r, r * 0.9);
    }
}

void DecorPainter::paintReeds() {
    for (int i = 0; i < 16; ++i) {
        const bool left = i % 2 == 0;
        const double x =
            left ? random_.uniform(0, 26) : random_.uniform(CanvasWidth - 26, CanvasWidth);
        const double top = random_.uniform(150, 200);
        painter_.setPen(QPen(ink::colour(look_.decorColour), 1.1, Qt::SolidLine, Qt::RoundCap));
        painter_.drawLine(QPointF(x, CanvasHeight), QPointF(x + random_.uniform(-4, 4), top));
        if (i % 3 == 0) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(0x7a5234));
            painter_.drawRoundedRect(QRectF(x - 1.6, top - 2, 3.2, 10), 1.5, 1.5);
        }
    }
}

void DecorPainter::paintAurora() {
    painter_.setPen(Qt::NoPen);
    for (int band = 0; band < 3; ++band) {
        const double base = 30 + band * 26;
        QPainterPath ribbon;
        ribbon.moveTo(0, base);
        for (double x = 0; x <= CanvasWidth; x += 4)
            ribbon.lineTo(x, base + 10 * std::sin(x / 30.0 + band * 1.7));
        for (double x = CanvasWidth; x >= 0; x -= 4)
            ribbon.lineTo(x, base + 34 + 8 * std::sin(x / 24.0 + band));
        ribbon.closeSubpath();
        QLinearGradient shine(0, base - 10, 0, base + 44);
        shine.setColorAt(0.0, ink::colour(look_.decorColour, 0));
        shine.setColorAt(0.45, ink::colour(look_.decorColour, 120 - band * 25));
        shine.setColorAt(1.0, ink::colour(look_.decorColour, 0));
        painter_.setBrush(shine);
        painter_.drawPath(ribbon);
    }
}

void DecorPainter::paintClouds() {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ink::colour(look_.decorColour, 225));
    const QPointF places[] = {{22, 38}, {112, 62}, {60, 130}};
    for (const QPointF& c : places) {
        painter_.drawEllipse(c, 16, 7);
        painter_.drawEllipse(c + QPointF(-8, -4), 8, 7);
        painter_.drawEllipse(c + QPointF(5, -7), 10, 9);
    }
}

void DecorPainter::paintBamboo() {
    for (int i = 0; i < 5; ++i) {
        const double x = (i < 3) ? 4 + i * 11 : CanvasWidth - 8 - (i - 3) * 12;
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ink::colour(look_.decorColour));
        painter_.drawRect(QRectF(x - 2.5, 0, 5, CanvasHeight));
        painter_.setPen(QPen(ink::darker(look_.decorColour, 140), 1.0));
        for (double y = 12 + i * 7; y < CanvasHeight; y += 34)
            painter_.drawLine(QPointF(x - 2.5, y), QPointF(x + 2.5, y));
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ink::lighter(look_.decorColour, 115));
        for (int k = 0; k < 3; ++k) {
            const double y = random_.uniform(10, 200);
            const double dir = (i < 3) ? 1 : -1;
            QPainterPath leaf;
            leaf.moveTo(x, y);
            leaf.quadTo(x + dir * 8, y - 4, x + dir * 16, y + 2);
            leaf.quadTo(x + dir * 8, y + 2, x, y);
            painter_.drawPath(leaf);
        }
    }
}

void DecorPainter::paintLanterns() {
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(ink::colour(0x4a3020), 0.9));
    QPainterPath cord;
    cord.moveTo(-2, 14);
    cord.quadTo(CanvasWidth / 2, 40, CanvasWidth + 2, 14);
    painter_.drawPath(cord);
    for (int i = 0; i < 4; ++i) {
        const QPointF top = cord.pointAtPercent(0.14 + i * 0.24);
        const QPointF c = top + QPointF(0, 11);
        painter_.setPen(QPen(ink::colour(0x4a3020), 0.8));
        painter_.drawLine(top, c);
        painter_.setPen(QPen(ink::darker(look_.decorColour, 150), 0.8));
        painter_.setBrush(ink::colour(look_.decorColour));
        painter_.drawEllipse(c, 7, 8);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ink::colour(0xf2c24a));
        painter_.drawRect(QRectF(c.x() - 3.5, c.y() - 9, 7, 2));
        painter_.drawRect(QRectF(c.x() - 3.5, c.y() + 7, 7, 2));
        painter_.setPen(QPen(ink::colour(0xf2c24a), 0.8));
        painter_.drawLine(c + QPointF(0, 9), c + QPointF(0, 15));
    }
}

void DecorPainter::paintRainbow() {
    constexpr Rgb bands[] = {0xff5a5a, 0xffa04a, 0xffe05a, 0x7ad36a, 0x5aa8ff, 0x9a7aff};
    painter_.setBrush(Qt::NoBrush);
    const QPointF c(CanvasWidth / 2, 200);
    for (int i = 0; i < 6; ++i) {
        const double r = 112 - i * 5;
        painter_.setPen(QPen(ink::colour(bands[i], 120), 5.2));
        painter_.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }
}

}  // namespace dorvane::assets
