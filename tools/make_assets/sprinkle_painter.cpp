#include "sprinkle_painter.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "ink.h"
#include "random_stream.h"

namespace dorvane::assets {

namespace {

// how big each kind is drawn, in canvas units
struct SizeRange {
    double low, high;
};

constexpr SizeRange sizeOf(Sprinkle kind) {
    switch (kind) {
        case Sprinkle::Stars:
            return {0.6, 2.2};
        case Sprinkle::Snow:
            return {0.8, 2.4};
        case Sprinkle::Fireflies:
            return {1.0, 2.0};
        case Sprinkle::Rain:
            return {5.0, 9.0};
        case Sprinkle::Bubbles:
            return {2.5, 7.0};
        case Sprinkle::Hearts:
            return {2.5, 5.5};
        default:
            return {2.0, 4.0};
    }
}

}  // namespace

SprinklePainter::SprinklePainter(QPainter& painter, const SceneLook& look, RandomStream& random)
    : painter_(painter), look_(look), random_(random) {}

void SprinklePainter::paint(int count, double maxY) {
    const SizeRange range = sizeOf(look_.sprinkle);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random_.uniform(-2, CanvasWidth + 2), random_.uniform(-2, maxY));
        paintOne(at, random_.uniform(range.low, range.high),
                 random_.uniform(0, 2 * std::numbers::pi));
    }
}

void SprinklePainter::paintOne(QPointF at, double size, double turn) {
    const Rgb c = look_.sprinkleColour;
    painter_.setPen(Qt::NoPen);
    painter_.save();
    painter_.translate(at);
    painter_.rotate(turn * 180 / std::numbers::pi);
    switch (look_.sprinkle) {
        case Sprinkle::None:
            break;
        case Sprinkle::Stars:
            painter_.setBrush(ink::colour(c, 140 + random_.below(115)));
            if (size > 1.8)
                painter_.drawPath(ink::star({0, 0}, size * 1.6, size * 0.45, 4));
            else
                painter_.drawEllipse(QPointF(0, 0), size * 0.6, size * 0.6);
            break;
        case Sprinkle::Petals:
            painter_.setBrush(ink::colour(c, 210));
            painter_.drawEllipse(QPointF(0, 0), size, size * 0.55);
            painter_.setBrush(ink::lighter(c, 112));
            painter_.drawEllipse(QPointF(-size * 0.25, 0), size * 0.45, size * 0.25);
            break;
        case Sprinkle::Snow:
            painter_.setBrush(ink::colour(c, 160 + random_.below(95)));
            painter_.drawEllipse(QPointF(0, 0), size, size);
            break;
        case Sprinkle::Leaves: {
            const QColor tone = ink::colour(c).darker(80 + random_.below(50));
            painter_.setBrush(tone);
            painter_.drawPath(ink::star({0, 0}, size * 1.3, size * 0.6, 5));
            break;
        }
        case Sprinkle::Fireflies: {
            QRadialGradient glow(QPointF(0, 0), size * 3);
            glow.setColorAt(0, ink::colour(c, 230));
            glow.setColorAt(0.35, ink::colour(c, 120));
            glow.setColorAt(1, ink::colour(c, 0));
            painter_.setBrush(glow);
            painter_.drawEllipse(QPointF(0, 0), size * 3, size * 3);
            break;
        }
        case Sprinkle::Rain:
            painter_.rotate(-turn * 180 / std::numbers::pi + 15);
            painter_.setPen(QPen(ink::colour(c, 150), 0.8, Qt::SolidLine, Qt::RoundCap));
            painter_.drawLine(QPointF(0, 0), QPointF(0, size));
            break;
        case Sprinkle::Hearts:
            painter_.rotate(-turn * 180 / std::numbers::pi + (turn - 3) * 8);
            painter_.setBrush(ink::colour(c, 170 + random_.below(85)));
            painter_.drawPath(ink::heart({0, 0}, size));
            break;
        case Sprinkle::Bubbles:
            painter_.setBrush(ink::colour(c, 50));
            painter_.setPen(QPen(ink::colour(c, 200), 0.8));
            painter_.drawEllipse(QPointF(0, 0), size, size);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(QColor(255, 255, 255, 220));
            painter_.drawEllipse(QPointF(-size * 0.4, -size * 0.4), size * 0.22, size * 0.22);
            break;
        case Sprinkle::Sparkles:
            painter_.rotate(-turn * 180 / std::numbers::pi);
            painter_.setBrush(ink::colour(c, 200 + random_.below(55)));
            painter_.drawPath(ink::star({0, 0}, size * 1.5, size * 0.3, 4));
            break;
        case Sprinkle::Confetti: {
            constexpr Rgb mix[] = {0xff5d8f, 0xffd23f, 0x3fc1ff, 0x7ee081, 0xb388ff};
            painter_.setBrush(ink::colour(random_.below(3) == 0 ? c : mix[random_.below(5)]));
            painter_.drawRect(QRectF(-size * 0.6, -size * 0.3, size * 1.2, size * 0.6));
            break;
        }
        case Sprinkle::Notes:
            painter_.rotate(-turn * 180 / std::numbers::pi + (turn - 3) * 5);
            painter_.setBrush(ink::colour(c, 220));
            painter_.drawEllipse(QPointF(0, 0), size * 0.7, size * 0.5);
            painter_.setPen(QPen(ink::colour(c, 220), 0.8));
            painter_.drawLine(QPointF(size * 0.65, 0), QPointF(size * 0.65, -size * 2.2));
            painter_.drawLine(QPointF(size * 0.65, -size * 2.2), QPointF(size * 1.4, -size * 1.6));
            break;
    }
    painter_.restore();
}

}  // namespace dorvane::assets
