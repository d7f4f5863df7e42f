#include "scene_painter.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "ink.h"
#include "random_stream.h"

namespace dorvane::assets {

namespace {

// The ground's top edge: the figure's feet stand near y = 250.
constexpr double GroundTop = 226.0;

QPainterPath wavyBand(double baseY, double amplitude, double period, double phase, double bottom) {
    QPainterPath path;
    path.moveTo(0, bottom);
    for (double x = 0; x <= CanvasWidth + 0.1; x += 2.0)
        path.lineTo(x, baseY + amplitude * std::sin((x / period + phase) * 2 * std::numbers::pi));
    path.lineTo(CanvasWidth, bottom);
    path.closeSubpath();
    return path;
}

}  // namespace

ScenePainter::ScenePainter(QPainter& painter, const SceneLook& look, RandomStream& random)
    : painter_(painter), look_(look), random_(random) {}

void ScenePainter::paintSky() {
    const double bottom = look_.horizon == Horizon::None ? CanvasHeight : look_.horizonY;
    ink::fillGradient(painter_, QRectF(0, 0, CanvasWidth, bottom + 1), look_.skyTop,
                      look_.skyBottom);
    if (bottom < CanvasHeight)
        painter_.fillRect(QRectF(0, bottom, CanvasWidth, CanvasHeight - bottom),
                          ink::colour(look_.skyBottom));
    paintPattern();
}

void ScenePainter::paintPattern() {
    painter_.setPen(Qt::NoPen);
    const QPointF centre(CanvasWidth / 2, 110);
    switch (look_.backdrop) {
        case Backdrop::Sky:
            break;
        case Backdrop::Rays:
            painter_.setBrush(ink::colour(look_.backdropInk, 120));
            for (int i = 0; i < 18; i += 2) {
                QPainterPath wedge;
                wedge.moveTo(centre);
                wedge.arcTo(QRectF(centre.x() - 300, centre.y() - 300, 600, 600), i * 20.0, 20.0);
                wedge.closeSubpath();
                painter_.drawPath(wedge);
            }
            break;
        case Backdrop::Halftone:
            painter_.setBrush(ink::colour(look_.backdropInk, 150));
            for (double y = 4; y < CanvasHeight; y += 8)
                for (double x = (static_cast<int>(y / 8) % 2) * 4.0; x < CanvasWidth + 4; x += 8) {
                    const double d = std::hypot(x - centre.x(), (y - centre.y()) * 0.6) / 110.0;
                    painter_.drawEllipse(QPointF(x, y), 0.3 + 2.6 * d, 0.3 + 2.6 * d);
                }
            break;
        case Backdrop::SpeedLines:
            for (int i = 0; i < 70; ++i) {
                const double a = random_.uniform(0, 2 * std::numbers::pi);
                const double inner = random_.uniform(55, 95);
                painter_.setPen(QPen(ink::colour(look_.backdropInk, 170), random_.uniform(0.6, 2.2),
                                     Qt::SolidLine, Qt::RoundCap));
                painter_.drawLine(
                    QPointF(centre.x() + inner * std::cos(a),
                            centre.y() + inner * 1.6 * std::sin(a)),
                    QPointF(centre.x() + 260 * std::cos(a), centre.y() + 260 * std::sin(a)));
            }
            painter_.setPen(Qt::NoPen);
            break;
        case Backdrop::Dots:
            painter_.setBrush(ink::colour(look_.backdropInk, 150));
            for (double y = 8; y < CanvasHeight; y += 17)
                for (double x = (static_cast<int>(y / 17) % 2) * 10.0; x < CanvasWidth + 10;
                     x += 20)
                    painter_.drawEllipse(QPointF(x, y), 3.6, 3.6);
            break;
        case Backdrop::Stripes:
            painter_.setBrush(ink::colour(look_.backdropInk, 90));
            for (double x = -CanvasHeight; x < CanvasWidth; x += 22) {
                const QPolygonF band({QPointF(x, 0), QPointF(x + 10, 0),
                                      QPointF(x + 10 + CanvasHeight, CanvasHeight),
                                      QPointF(x + CanvasHeight, CanvasHeight)});
                painter_.drawPolygon(band);
            }
            break;
        case Backdrop::Checks:
            painter_.setBrush(ink::colour(look_.backdropInk, 60));
            for (double x = 0; x < CanvasWidth; x += 20)
                painter_.drawRect(QRectF(x, 0, 10, CanvasHeight));
            for (double y = 0; y < CanvasHeight; y += 20)
                painter_.drawRect(QRectF(0, y, CanvasWidth, 10));
            break;
    }
}

void ScenePainter::paintLight() {
    if (look_.light == Light::None) return;
    const QPointF c(look_.lightX, look_.lightY);
    const bool sun = look_.light == Light::Sun;
    QRadialGradient glow(c, sun ? 46 : 38);
    glow.setColorAt(0.0, ink::colour(look_.lightColour, sun ? 190 : 120));
    glow.setColorAt(1.0, ink::colour(look_.lightColour, 0));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(glow);
    painter_.drawEllipse(c, 46, 46);
    QPainterPath disk = ink::circle(c, sun ? 15 : 14);
    if (look_.light == Light::Crescent)
        disk = disk.subtracted(ink::circle(c + QPointF(7, -4), 12.5));
    painter_.setBrush(ink::colour(look_.lightColour));
    painter_.drawPath(disk);
    if (look_.light == Light::Moon) {
        painter_.setBrush(ink::darker(look_.lightColour, 112));
        painter_.drawEllipse(c + QPointF(-4, -3), 3.2, 3.0);
        painter_.drawEllipse(c + QPointF(5, 4), 2.2, 2.0);
        painter_.drawEllipse(c + QPointF(-2, 7), 1.6, 1.5);
    }
}

void ScenePainter::paintHorizon() {
    switch (look_.horizon) {
        case Horizon::None:
            break;
        case Horizon::Sea:
        case Horizon::Lake:
            paintWater();
            break;
        case Horizon::Hills:
            paintHills();
            break;
        case Horizon::Mountains:
            paintMountains();
            break;
        case Horizon::Skyline:
            paintSkyline();
            break;
    }
}

void ScenePainter::paintWater() {
    const double top = look_.horizonY;
    ink::fillGradient(painter_, QRectF(0, top, CanvasWidth, CanvasHeight - top),
                      look_.horizonColour, ink::rgbOf(ink::darker(look_.horizonColour, 150)));
    const bool lake = look_.horizon == Horizon::Lake;
    // The light's path on the water, then the glitter of small waves.
    if (look_.light != Light::None) {
        for (double y = top + 2; y < CanvasHeight; y += 3.0) {
            const double half = 3 + (y - top) * 0.12 + random_.uniform(0, 5);
            painter_.setPen(
                QPen(ink::colour(look_.lightColour, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
            painter_.drawLine(QPointF(look_.lightX - half, y), QPointF(look_.lightX + half, y));
        }
    }
    const int waves = lake ? 40 : 70;
    for (int i = 0; i < waves; ++i) {
        const double y = random_.uniform(top + 2, CanvasHeight);
        const double x = random_.uniform(-5, CanvasWidth);
        const double len = 3 + (y - top) * 0.08 + random_.uniform(0, 5);
        painter_.setPen(
            QPen(ink::lighter(look_.horizonColour, 145), 0.9, Qt::SolidLine, Qt::RoundCap));
        painter_.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
}

void ScenePainter::paintHills() {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ink::lighter(look_.horizonColour, 125));
    painter_.drawPath(wavyBand(look_.horizonY, 7, 110, 0.1, CanvasHeight));
    painter_.setBrush(ink::colour(look_.horizonColour));
    painter_.drawPath(wavyBand(look_.horizonY + 18, 9, 90, 0.55, CanvasHeight));
}

void ScenePainter::paintMountains() {
    const double base = look_.horizonY;
    struct Peak {
        double x, height, half;
    };
    constexpr Peak peaks[] = {{10, 62, 42}, {62, 86, 52}, {118, 70, 44}};
    painter_.setPen(Qt::NoPen);
    for (const Peak& p : peaks) {
        const QPointF top(p.x, base - p.height);
        painter_.setBrush(ink::colour(look_.horizonColour));
        painter_.drawPolygon(
            QPolygonF({QPointF(p.x - p.half, base), top, QPointF(p.x + p.half, base)}));
        painter_.setBrush(ink::colour(0xf4f8ff));
        const double cap = 0.28;
        painter_.drawPolygon(
            QPolygonF({top, QPointF(p.x + p.half * cap, base - p.height * (1 - cap)),
                       QPointF(p.x + p.half * cap * 0.3, base - p.height * (1 - cap * 0.75)),
                       QPointF(p.x - p.half * cap * 0.2, base - p.height * (1 - cap)),
                       QPointF(p.x - p.half * cap, base - p.height * (1 - cap * 0.8))}));
    }
    painter_.fillRect(QRectF(0, base, CanvasWidth, CanvasHeight - base),
                      ink::darker(look_.horizonColour, 115));
}

void ScenePainter::paintSkyline() {
    const double base = look_.horizonY;
    painter_.setPen(Qt::NoPen);
    double x = -4;
    while (x < CanvasWidth) {
        const double w = random_.uniform(10, 22);
        const double h = random_.uniform(22, 70);
        painter_.setBrush(ink::colour(look_.horizonColour));
        painter_.drawRect(QRectF(x, base - h, w - 1.5, h));
        painter_.setBrush(ink::colour(0xffe27a, 210));
        for (double wy = base - h + 4; wy < base - 3; wy += 6)
            for (double wx = x + 2; wx < x + w - 4; wx += 4.5)
                if (random_.below(3) == 0) painter_.drawRect(QRectF(wx, wy, 2.0, 2.6));
        x += w;
    }
    painter_.fillRect(QRectF(0, base, CanvasWidth, CanvasHeight - base),
                      ink::darker(look_.horizonColour, 120));
}

void ScenePainter::paintGround() {
    const Rgb g = look_.groundColour;
    painter_.setPen(Qt::NoPen);
    switch (look_.ground) {
        case Ground::None:
            return;
        case Ground::Grass:
        case Ground::Meadow:
            painter_.setBrush(ink::colour(g));
            painter_.drawPath(wavyBand(GroundTop, 3, 140, 0.2, CanvasHeight));
            for (int i = 0; i < 60; ++i) {
                const double x = random_.uniform(0, CanvasWidth);
                const double y = random_.uniform(GroundTop + 2, CanvasHeight);
                painter_.setPen(QPen(ink::darker(g, 125), 0.9, Qt::SolidLine, Qt::RoundCap));
                painter_.drawLine(QPointF(x, y), QPointF(x + random_.uniform(-1.5, 1.5),
                                                         y - random_.uniform(3, 6)));
            }
            if (look_.ground == Ground::Meadow) {
                constexpr Rgb petals[] = {0xffffff, 0xffe066, 0xff8fb1, 0xc9a0ff};
                painter_.setPen(Qt::NoPen);
                for (int i = 0; i < 26; ++i) {
                    const QPointF c(random_.uniform(2, CanvasWidth - 2),
                                    random_.uniform(GroundTop + 4, CanvasHeight - 2));
                    painter_.setBrush(ink::colour(petals[random_.below(4)]));
                    painter_.drawPath(ink::flower(c, 2.6, 5));
                    painter_.setBrush(ink::colour(0xffc83d));
                    painter_.drawEllipse(c, 0.9, 0.9);
                }
            }
            break;
        case Ground::Snow:
        case Ground::Sand:
            painter_.setBrush(ink::colour(g));
            painter_.drawPath(wavyBand(GroundTop, 4, 120, 0.7, CanvasHeight));
            painter_.setBrush(ink::darker(g, 112));
            for (int i = 0; i < 14; ++i)
                painter_.drawEllipse(QPointF(random_.uniform(0, CanvasWidth),
                                             random_.uniform(GroundTop + 8, CanvasHeight)),
                                     random_.uniform(4, 10), random_.uniform(0.8, 1.8));
            break;
        case Ground::Stage:
        case Ground::Floor: {
            const double top = GroundTop + 2;
            painter_.fillRect(QRectF(0, top, CanvasWidth, CanvasHeight - top), ink::colour(g));
            painter_.setPen(QPen(ink::darker(g, 130), 0.9));
            for (double y = top + 8; y < CanvasHeight; y += 9)
                painter_.drawLine(QPointF(0, y), QPointF(CanvasWidth, y));
            if (look_.ground == Ground::Floor)
                for (double x = 10; x < CanvasWidth; x += 20)
                    painter_.drawLine(
                        QPointF(x, top),
                        QPointF(CanvasWidth / 2 + (x - CanvasWidth / 2) * 1.6, CanvasHeight));
            if (look_.ground == Ground::Stage) {
                QRadialGradient spot(QPointF(CanvasWidth / 2, 250), 60);
                spot.setColorAt(0, QColor(255, 255, 230, 150));
                spot.setColorAt(1, QColor(255, 255, 230, 0));
                painter_.setPen(Qt::NoPen);
                painter_.setBrush(spot);
                painter_.drawEllipse(QPointF(CanvasWidth / 2, 250), 60, 22);
            }
            break;
        }
    }
}

}  // namespace dorvane::assets
