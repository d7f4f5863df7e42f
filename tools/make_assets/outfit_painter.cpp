#include "outfit_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "ink.h"
#include "pattern_painter.h"

namespace dorvane::assets {

namespace {

struct SkirtShape {
    double hem, halfWidth;
    int scallops;
};

constexpr SkirtShape skirtShape(Bottom bottom) {
    switch (bottom) {
        case Bottom::MiniSkirt:
            return {182, 26, 5};
        case Bottom::KneeSkirt:
            return {204, 31, 6};
        case Bottom::Gown:
            return {248, 40, 8};
        case Bottom::Tutu:
            return {180, 34, 9};
        default:
            return {0, 0, 0};
    }
}

// How far down the arm the sleeve reaches, from 0 (none) to 1 (the wrist).
constexpr double sleeveReach(Top top) {
    switch (top) {
        case Top::Tank:
            return 0.0;
        case Top::Bodice:
            return 0.22;
        case Top::Blouse:
            return 0.3;
        default:
            return 0.9;
    }
}

// A point a fraction of the way from shoulder to hand.
QPointF alongArm(const ArmGeometry& a, double t) {
    const double upper = std::hypot(a.elbow.x() - a.shoulder.x(), a.elbow.y() - a.shoulder.y());
    const double fore = std::hypot(a.hand.x() - a.elbow.x(), a.hand.y() - a.elbow.y());
    const double d = t * (upper + fore);
    if (d <= upper) return a.shoulder + (a.elbow - a.shoulder) * (d / upper);
    return a.elbow + (a.hand - a.elbow) * ((d - upper) / fore);
}

// A thick stroke with a darker rim: the rim is a wider stroke underneath.
void strokeOutlined(QPainter& painter, const QPainterPath& path, Rgb fill, double width) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(ink::darker(fill, 165), width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(ink::colour(fill), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

// Light from the upper left: a soft shadow down the right side of a garment.
void shade(QPainter& painter, const QPainterPath& shape) {
    const QRectF box = shape.boundingRect();
    QLinearGradient fall(box.topLeft(), box.topRight());
    fall.setColorAt(0.0, QColor(255, 255, 255, 45));
    fall.setColorAt(0.45, QColor(255, 255, 255, 0));
    fall.setColorAt(1.0, QColor(0, 0, 40, 55));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fall);
    painter.drawPath(shape);
}

}  // namespace

OutfitPainter::OutfitPainter(QPainter& painter, const FigureLook& look,
                             const FigureGeometry& geometry)
    : painter_(painter), look_(look), g_(geometry) {}

void OutfitPainter::paintBehindHead() {
    if (look_.top != Top::Hoodie) return;
    const QPointF c = g_.head + QPointF(0, 4);
    ink::fillOutlined(painter_, ink::ellipse(c, g_.headRx + 8, g_.headRy + 8), look_.topColour);
}

void OutfitPainter::paintBody() {
    paintLegs();
    const double cx = g_.centreX;
    painter_.setPen(Qt::NoPen);
    ink::fillOutlined(
        painter_,
        [&] {
            QPainterPath neck;
            neck.addRect(QRectF(cx - 5, 92, 10, 16));
            return neck;
        }(),
        look_.skin);
    if (look_.top == Top::Hoodie || look_.top == Top::Jacket) {
        paintBottom();
        paintTorso();
    } else {
        paintTorso();
        paintBottom();
    }
}

void OutfitPainter::paintLegs() {
    const double cx = g_.centreX;
    for (const double side : {-1.0, 1.0}) {
        QPainterPath leg;
        leg.addRoundedRect(QRectF(cx + side * 7 - 4.2, 160, 8.4, 88), 4, 4);
        ink::fillOutlined(painter_, leg, look_.legs);
    }
    for (const double side : {-1.0, 1.0}) {
        const QPointF toe(cx + side * 9, g_.footY - 1);
        ink::fillOutlined(painter_, ink::ellipse(toe, 7.5, 4.4), look_.shoes);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(255, 255, 255, 110));
        painter_.drawEllipse(toe + QPointF(-2, -1.6), 2.4, 1.1);
    }
}

QPainterPath OutfitPainter::skirtPath(double hem, double hw, int scallops) const {
    const double cx = g_.centreX;
    const double top = g_.waistY - 2;
    QPainterPath path;
    path.moveTo(cx - 13, top);
    path.quadTo(cx - 15, top + (hem - top) * 0.3, cx - hw, hem);
    const double step = 2 * hw / scallops;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = cx - hw + i * step;
        path.quadTo(x0 + step / 2, hem + 4.5, x0 + step, hem);
    }
    path.quadTo(cx + 15, top + (hem - top) * 0.3, cx + 13, top);
    path.closeSubpath();
    return path;
}

void OutfitPainter::paintBottom() {
    const double cx = g_.centreX;
    const Rgb fill = look_.bottomColour;
    PatternPainter pattern(painter_);
    if (look_.bottom == Bottom::Trousers || look_.bottom == Bottom::Shorts) {
        const double hem = look_.bottom == Bottom::Trousers ? 243 : 180;
        QPainterPath legs;
        legs.moveTo(cx - 13, g_.waistY - 2);
        legs.lineTo(cx + 13, g_.waistY - 2);
        legs.lineTo(cx + 14, hem);
        legs.lineTo(cx + 1.5, hem);
        legs.lineTo(cx, g_.waistY + 20);
        legs.lineTo(cx - 1.5, hem);
        legs.lineTo(cx - 14, hem);
        legs.closeSubpath();
        ink::fillOutlined(painter_, legs, fill);
        pattern.paint(legs, look_.pattern, look_.accent);
        shade(painter_, legs);
        return;
    }
    const SkirtShape s = skirtShape(look_.bottom);
    if (look_.bottom == Bottom::Tutu) {
        for (int layer = 0; layer < 3; ++layer) {
            const QPainterPath tier =
                skirtPath(s.hem - layer * 9, s.halfWidth - layer * 5, s.scallops - layer);
            ink::fillOutlined(painter_, tier,
                              layer % 2 ? ink::rgbOf(ink::lighter(fill, 112)) : fill, 0.8);
        }
        return;
    }
    const QPainterPath skirt = skirtPath(s.hem, s.halfWidth, s.scallops);
    ink::fillOutlined(painter_, skirt, fill);
    pattern.paint(skirt, look_.pattern, look_.accent);
    // pleats
    painter_.setPen(QPen(ink::darker(fill, 130), 0.8));
    for (const double t : {-0.55, -0.2, 0.2, 0.55})
        painter_.drawLine(QPointF(cx + t * 16, g_.waistY + 4),
                          QPointF(cx + t * s.halfWidth * 1.6, s.hem - 1));
    shade(painter_, skirt);
}

double OutfitPainter::torsoBottom() const {
    switch (look_.top) {
        case Top::Hoodie:
            return 168;
        case Top::Jacket:
            return 162;
        default:
            return g_.waistY + 1;
    }
}

QPainterPath OutfitPainter::torsoPath() const {
    const double cx = g_.centreX;
    const double bottom = torsoBottom();
    const double hip = bottom > g_.waistY + 5 ? 16 : 13;
    const double shoulderY = look_.top == Top::Tank ? g_.shoulderY + 3 : g_.shoulderY;
    QPainterPath path;
    path.moveTo(cx - 8, 101);
    path.quadTo(cx - 16, 103, cx - 19, shoulderY);
    path.quadTo(cx - 21, 118, cx - 15, 127);
    path.quadTo(cx - 12, 137, cx - hip, bottom);
    path.lineTo(cx + hip, bottom);
    path.quadTo(cx + 12, 137, cx + 15, 127);
    path.quadTo(cx + 21, 118, cx + 19, shoulderY);
    path.quadTo(cx + 16, 103, cx + 8, 101);
    path.quadTo(cx, 110, cx - 8, 101);
    path.closeSubpath();
    return path;
}

void OutfitPainter::paintTorso() {
    const QPainterPath torso = torsoPath();
    ink::fillOutlined(painter_, torso, look_.topColour);
    if (look_.topColour == look_.bottomColour)
        PatternPainter(painter_).paint(torso, look_.pattern, look_.accent);
    paintTrimming(torso);
    shade(painter_, torso);
}

void OutfitPainter::paintTrimming(const QPainterPath& torso) {
    const double cx = g_.centreX;
    const Rgb accent = look_.accent;
    QPainterPath trim;
    switch (look_.top) {
        case Top::Bodice:
        case Top::Tank: {
            // a sash with a bow at the waist
            trim.addRect(QRectF(cx - 14, g_.waistY - 6, 28, 5));
            ink::fillOutlined(painter_, trim.intersected(torso), accent, 0.6);
            QPainterPath bow = ink::ellipse({cx - 4, g_.waistY - 3.5}, 4, 2.6);
            bow.addEllipse(QPointF(cx + 4, g_.waistY - 3.5), 4, 2.6);
            ink::fillOutlined(painter_, bow, accent, 0.6);
            break;
        }
        case Top::Blouse:
            ink::fillOutlined(painter_, ink::ellipse({cx - 5, 104}, 6, 3.5), 0xffffff, 0.6);
            ink::fillOutlined(painter_, ink::ellipse({cx + 5, 104}, 6, 3.5), 0xffffff, 0.6);
            ink::fillOutlined(painter_, ink::circle({cx, 108}, 2.2), accent, 0.5);
            break;
        case Top::Sailor: {
            trim.moveTo(cx - 14, 103);
            trim.lineTo(cx, 124);
            trim.lineTo(cx + 14, 103);
            trim.lineTo(cx + 8, 101);
            trim.lineTo(cx, 114);
            trim.lineTo(cx - 8, 101);
            trim.closeSubpath();
            ink::fillOutlined(painter_, trim, accent, 0.6);
            ink::fillOutlined(painter_, ink::star({cx, 124}, 5, 2.5, 4, 0.785), accent, 0.6);
            break;
        }
        case Top::Kimono: {
            trim.moveTo(cx - 8, 101);
            trim.lineTo(cx + 6, 130);
            trim.moveTo(cx + 8, 101);
            trim.lineTo(cx - 1, 120);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(QPen(ink::colour(0xfff6e8), 2.2));
            painter_.drawPath(trim);
            QPainterPath obi;
            obi.addRect(QRectF(cx - 16, g_.waistY - 12, 32, 10));
            ink::fillOutlined(painter_, obi.intersected(torso), accent, 0.7);
            break;
        }
        case Top::Hoodie:
            trim.addRoundedRect(QRectF(cx - 10, 150, 20, 11), 3, 3);
            ink::fillOutlined(painter_, trim, ink::rgbOf(ink::darker(look_.topColour, 112)), 0.7);
            painter_.setPen(QPen(ink::colour(accent), 1.2, Qt::SolidLine, Qt::RoundCap));
            painter_.drawLine(QPointF(cx - 4, 104), QPointF(cx - 5, 118));
            painter_.drawLine(QPointF(cx + 4, 104), QPointF(cx + 5, 118));
            break;
        case Top::Jacket: {
            trim.moveTo(cx - 7, 101);
            trim.lineTo(cx, 120);
            trim.lineTo(cx + 7, 101);
            trim.closeSubpath();
            ink::fillOutlined(painter_, trim, 0xffffff, 0.6);
            QPainterPath tie;
            tie.moveTo(cx - 2, 104);
            tie.lineTo(cx + 2, 104);
            tie.lineTo(cx + 3, 117);
            tie.lineTo(cx, 121);
            tie.lineTo(cx - 3, 117);
            tie.closeSubpath();
            ink::fillOutlined(painter_, tie, accent, 0.6);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::darker(look_.topColour, 160));
            painter_.drawEllipse(QPointF(cx, 136), 1.2, 1.2);
            painter_.drawEllipse(QPointF(cx, 146), 1.2, 1.2);
            break;
        }
        case Top::LongSleeve:
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(accent));
            for (const double y : {112.0, 122.0, 132.0})
                painter_.drawEllipse(QPointF(cx, y), 1.3, 1.3);
            break;
    }
}

void OutfitPainter::paintArms() {
    paintArm(g_.left, -1);
    paintArm(g_.right, +1);
}

void OutfitPainter::paintArm(const ArmGeometry& a, double outward) {
    QPainterPath limb;
    limb.moveTo(a.shoulder);
    limb.lineTo(a.elbow);
    limb.lineTo(a.hand);
    strokeOutlined(painter_, limb, look_.skin, 6.4);

    const double reach = sleeveReach(look_.top);
    if (reach > 0) {
        QPainterPath sleeve;
        sleeve.moveTo(a.shoulder);
        const double elbowAt = 24.0 / 46.0;
        if (reach > elbowAt) sleeve.lineTo(a.elbow);
        sleeve.lineTo(alongArm(a, reach));
        strokeOutlined(painter_, sleeve, look_.topColour, 8.6);
        if (look_.top == Top::Blouse)
            ink::fillOutlined(painter_, ink::circle(alongArm(a, 0.12), 6.2), look_.topColour);
        if (look_.top == Top::Kimono) {
            // the wide sleeve hangs below the forearm
            const QPointF wrist = alongArm(a, reach);
            QPainterPath drape;
            drape.moveTo(a.elbow);
            drape.lineTo(wrist);
            drape.lineTo(wrist + QPointF(outward * 2, 16));
            drape.quadTo(a.elbow + QPointF(outward * 2, 20), a.elbow + QPointF(-outward * 3, 4));
            drape.closeSubpath();
            ink::fillOutlined(painter_, drape, look_.topColour);
            PatternPainter(painter_).paint(drape, look_.pattern, look_.accent);
        }
    }
    ink::fillOutlined(painter_, ink::circle(a.hand, 4.0), look_.skin);
}

}  // namespace dorvane::assets
