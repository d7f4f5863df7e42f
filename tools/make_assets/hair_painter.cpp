#include "hair_painter.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "ink.h"

namespace dorvane::assets {

namespace {

// How a style cuts the hair over the face: where the side locks end and how
// deep the points of the fringe hang.
struct Cut {
    double lockBottom, fringeDepth;
};

constexpr Cut cutOf(Hair hair) {
    switch (hair) {
        case Hair::Short:
            return {80, 7};
        case Hair::Spiky:
            return {76, 10};
        case Hair::Afro:
            return {74, 4};
        case Hair::Bob:
            return {100, 6};
        default:
            return {97, 8};
    }
}

}  // namespace

HairPainter::HairPainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry)
    : painter_(painter), look_(look), g_(geometry) {}

QPainterPath HairPainter::tail(double side, double reach, double length) const {
    const double hx = g_.head.x();
    QPainterPath path;
    path.moveTo(hx + side * 18, 48);
    path.cubicTo(hx + side * (reach + 8), 56, hx + side * (reach + 6), length - 50,
                 hx + side * (reach - 8), length);
    path.cubicTo(hx + side * (reach - 2), length - 44, hx + side * (reach - 10), 84, hx + side * 16,
                 64);
    path.closeSubpath();
    return path;
}

QPainterPath HairPainter::afro() const {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const QPointF c = g_.head + QPointF(0, -8);
    path.addEllipse(c, 34, 32);
    for (int i = 0; i < 14; ++i) {
        const double a = 2 * std::numbers::pi * i / 14;
        path.addEllipse(QPointF(c.x() + 34 * std::cos(a), c.y() + 31 * std::sin(a)), 9, 9);
    }
    return path.simplified();
}

void HairPainter::paintBackHair() {
    const double hx = g_.head.x();
    const Rgb hair = look_.hair;
    QPainterPath back;
    switch (look_.hairStyle) {
        case Hair::Long:
        case Hair::Wavy: {
            back.moveTo(hx - 26, 64);
            for (double y = 64; y <= 160; y += 4) {
                const double wave = look_.hairStyle == Hair::Wavy ? 3.0 * std::sin(y / 7.0) : 0.0;
                back.lineTo(hx - 29 - (y - 64) * 0.06 + wave, y);
            }
            for (int i = 0; i <= 8; ++i) back.lineTo(hx - 34 + i * 8.5, (i % 2) ? 154 : 162);
            for (double y = 160; y >= 64; y -= 4) {
                const double wave =
                    look_.hairStyle == Hair::Wavy ? 3.0 * std::sin(y / 7.0 + 1) : 0.0;
                back.lineTo(hx + 29 + (y - 64) * 0.06 + wave, y);
            }
            back.closeSubpath();
            break;
        }
        case Hair::Twintails:
            back = tail(-1, 40, 168).united(tail(+1, 40, 168));
            break;
        case Hair::Ponytail:
            back = tail(+1, 34, 140);
            break;
        case Hair::Bun:
            back = ink::circle({hx - 21, 44}, 11).united(ink::circle({hx + 21, 44}, 11));
            break;
        case Hair::Bob:
            back.addRoundedRect(QRectF(hx - 31, 44, 62, 62), 18, 18);
            break;
        case Hair::Afro:
            back = afro();
            break;
        case Hair::Short:
        case Hair::Spiky:
            break;
    }
    if (look_.hairStyle == Hair::Spiky)
        for (int i = -2; i <= 2; ++i) {
            const double a = i * 0.42;
            const QPointF tip(hx + 38 * std::sin(a), g_.head.y() - 4 - 40 * std::cos(a));
            QPainterPath spike;
            spike.moveTo(hx + 24 * std::sin(a - 0.3), g_.head.y() - 4 - 24 * std::cos(a - 0.3));
            spike.lineTo(tip);
            spike.lineTo(hx + 24 * std::sin(a + 0.3), g_.head.y() - 4 - 24 * std::cos(a + 0.3));
            back = back.united(spike);
        }
    if (!back.isEmpty()) ink::fillOutlined(painter_, back, hair);
    if (look_.hairStyle == Hair::Twintails)
        for (const double side : {-1.0, 1.0})
            ink::fillOutlined(painter_, ink::circle({hx + side * 23, 53}, 3.4), look_.accent, 0.7);
}

void HairPainter::paintHead() {
    const QPointF h = g_.head;
    for (const double side : {-1.0, 1.0})
        ink::fillOutlined(painter_, ink::ellipse(h + QPointF(side * g_.headRx, 7), 4, 5.5),
                          look_.skin);
    ink::fillOutlined(painter_, ink::ellipse(h, g_.headRx, g_.headRy), look_.skin);
}

void HairPainter::paintFrontHair() {
    const QPointF h = g_.head;
    const Cut cut = cutOf(look_.hairStyle);
    QPainterPath cap = ink::ellipse(h + QPointF(0, -3), g_.headRx + 3.5, g_.headRy + 4);
    if (look_.hairStyle == Hair::Afro) cap = afro();
    // The face shows through a window whose top edge is the fringe's points.
    // Locks end in points; between two points the hairline arcs up.
    constexpr double tipX[] = {-21.5, -12, -1, 10, 21.5};
    constexpr double tipDrop[] = {1.0, 0.8, 1.15, 0.85, 1.0};
    const double top = 56;
    QPainterPath window;
    window.moveTo(h.x() - 21, 130);
    window.lineTo(h.x() + tipX[0], top + cut.fringeDepth * tipDrop[0]);
    for (int i = 1; i < 5; ++i) {
        const QPointF tip(h.x() + tipX[i], top + cut.fringeDepth * tipDrop[i]);
        window.quadTo(h.x() + (tipX[i - 1] + tipX[i]) / 2, top - cut.fringeDepth * 0.7, tip.x(),
                      tip.y());
    }
    window.lineTo(h.x() + 21, 130);
    window.closeSubpath();
    QPainterPath below;
    below.addRect(QRectF(h.x() - 60, cut.lockBottom, 120, 100));
    cap = cap.subtracted(window).subtracted(below);
    ink::fillOutlined(painter_, cap, look_.hair);
    // the shine across the crown
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(ink::lighter(look_.hair, 160), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter_.drawArc(QRectF(h.x() - 17, h.y() - 26, 34, 20), 40 * 16, 100 * 16);
}

}  // namespace dorvane::assets
