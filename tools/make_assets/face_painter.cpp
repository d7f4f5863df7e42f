#include "face_painter.h"

#include <QLinearGradient>
#include <QPainter>

#include "ink.h"

namespace dorvane::assets {

namespace {

constexpr Rgb LineInk = 0x3a2420;
constexpr Rgb MouthInk = 0x8a2a2a;

}  // namespace

FacePainter::FacePainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry)
    : painter_(painter), look_(look), g_(geometry) {}

void FacePainter::paint() {
    struct Face {
        Eye left, right;
        double leftScale, rightScale;
        Mouth mouth;
        bool strongBlush;
    };
    const Face face = [&]() -> Face {
        switch (look_.expression) {
            case Expression::Smile:
                return {Eye::Open, Eye::Open, 1, 1, Mouth::Smile, false};
            case Expression::Grin:
                return {Eye::Open, Eye::Open, 1, 1, Mouth::Open, false};
            case Expression::Wink:
                return {Eye::Open, Eye::Closed, 1, 1, Mouth::Open, false};
            case Expression::Shy:
                return {Eye::Smiling, Eye::Smiling, 1, 1, Mouth::Small, true};
            case Expression::Shock:
                return {Eye::Wide, Eye::Wide, 1, 1, Mouth::Round, false};
            case Expression::Smug:
                return {Eye::Lidded, Eye::Lidded, 1, 1, Mouth::Smirk, false};
            case Expression::Derp:
                return {Eye::Wide, Eye::Dot, 1.25, 1, Mouth::Tongue, false};
            case Expression::Teary:
                return {Eye::Closed, Eye::Closed, 1, 1, Mouth::Wobble, true};
            case Expression::Cat:
                return {Eye::Open, Eye::Open, 1, 1, Mouth::Cat, true};
            case Expression::Sleepy:
                return {Eye::Sleepy, Eye::Sleepy, 1, 1, Mouth::Small, false};
        }
        return {Eye::Open, Eye::Open, 1, 1, Mouth::Smile, false};
    }();
    const QPointF h = g_.head;
    paintBlush(face.strongBlush);
    // brows
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(ink::darker(look_.hair, 130), 1.2, Qt::SolidLine, Qt::RoundCap));
    const double browY = look_.expression == Expression::Shock ? 61 : 65;
    for (const double side : {-1.0, 1.0})
        painter_.drawArc(QRectF(h.x() + side * 10 - 4, browY, 8, 4), 30 * 16, 120 * 16);
    paintEye(h + QPointF(-9.5, 6), face.left, face.leftScale);
    paintEye(h + QPointF(9.5, 6), face.right, face.rightScale);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ink::darker(look_.skin, 125));
    painter_.drawEllipse(h + QPointF(0, 12.5), 0.9, 0.7);
    paintMouth(face.mouth);
    if (look_.expression == Expression::Teary)
        for (const double side : {-1.0, 1.0}) {
            painter_.setBrush(ink::colour(0x8fd3ff, 220));
            painter_.drawPath(ink::heart(h + QPointF(side * 11, 13), 2.0)
                                  .united(ink::ellipse(h + QPointF(side * 11, 11), 1.2, 3)));
        }
    paintExtra();
}

void FacePainter::paintEye(QPointF c, Eye eye, double scale) {
    const QPen line(ink::colour(LineInk), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(line);
    QPainterPath stroke;
    switch (eye) {
        case Eye::Closed:
            stroke.moveTo(c + QPointF(-4, 1));
            stroke.quadTo(c + QPointF(0, -4), c + QPointF(4, 1));
            painter_.drawPath(stroke);
            return;
        case Eye::Smiling:
            stroke.moveTo(c + QPointF(-4, -1));
            stroke.quadTo(c + QPointF(0, 3.5), c + QPointF(4, -1));
            painter_.drawPath(stroke);
            return;
        case Eye::Sleepy:
            stroke.moveTo(c + QPointF(-4, 0.5));
            stroke.quadTo(c + QPointF(0, 2.5), c + QPointF(4, 0.5));
            painter_.drawPath(stroke);
            return;
        case Eye::Wide:
            painter_.setPen(QPen(ink::colour(LineInk), 1.0));
            painter_.setBrush(Qt::white);
            painter_.drawEllipse(c, 4.6 * scale, 5.6 * scale);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(LineInk));
            painter_.drawEllipse(c + QPointF(0.5, 0.5), 1.4, 1.4);
            return;
        case Eye::Dot:
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(LineInk));
            painter_.drawEllipse(c, 1.6, 1.6);
            return;
        case Eye::Open:
        case Eye::Lidded:
            break;
    }
    // the open eye: a tall oval with a dark top, two glints and a lash line
    QLinearGradient iris(c + QPointF(0, -5), c + QPointF(0, 5));
    iris.setColorAt(0.0, ink::darker(look_.eyes, 260));
    iris.setColorAt(1.0, ink::lighter(look_.eyes, 120));
    painter_.setPen(QPen(ink::colour(LineInk), 0.6));
    painter_.setBrush(iris);
    painter_.drawEllipse(c, 3.7, 5.0);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(c + QPointF(-1.2, -1.9), 1.5, 1.5);
    painter_.drawEllipse(c + QPointF(1.3, 2.0), 0.7, 0.7);
    if (eye == Eye::Lidded) {
        painter_.setBrush(ink::colour(look_.skin));
        painter_.drawRect(QRectF(c.x() - 4.5, c.y() - 5.6, 9, 5.2));
        painter_.setPen(line);
        painter_.drawLine(c + QPointF(-4.5, -0.4), c + QPointF(4.5, -0.4));
        return;
    }
    painter_.setPen(line);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(QRectF(c.x() - 4.4, c.y() - 5.4, 8.8, 8), 15 * 16, 150 * 16);
}

void FacePainter::paintMouth(Mouth mouth) {
    const QPointF m = g_.head + QPointF(0, 17.5);
    QPainterPath path;
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(ink::colour(MouthInk), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (mouth) {
        case Mouth::Smile:
            path.moveTo(m + QPointF(-4, -1));
            path.quadTo(m + QPointF(0, 3), m + QPointF(4, -1));
            painter_.drawPath(path);
            return;
        case Mouth::Small:
            painter_.drawArc(QRectF(m.x() - 2, m.y() - 2, 4, 3), 200 * 16, 140 * 16);
            return;
        case Mouth::Smirk:
            path.moveTo(m + QPointF(-4, 0.5));
            path.quadTo(m + QPointF(1, 1.5), m + QPointF(4.5, -2.5));
            painter_.drawPath(path);
            return;
        case Mouth::Cat:
            painter_.drawArc(QRectF(m.x() - 4, m.y() - 2.5, 4, 4), 180 * 16, 180 * 16);
            painter_.drawArc(QRectF(m.x(), m.y() - 2.5, 4, 4), 180 * 16, 180 * 16);
            return;
        case Mouth::Wobble:
            path.moveTo(m + QPointF(-4.5, 0));
            for (int i = 1; i <= 6; ++i)
                path.lineTo(m + QPointF(-4.5 + i * 1.5, (i % 2) ? -1.2 : 0));
            painter_.drawPath(path);
            return;
        case Mouth::Round:
            painter_.setPen(QPen(ink::colour(LineInk), 0.8));
            painter_.setBrush(ink::colour(MouthInk));
            painter_.drawEllipse(m + QPointF(0, 1.5), 3.0, 4.0);
            return;
        case Mouth::Open:
        case Mouth::Tongue:
            path.moveTo(m + QPointF(-5, -1.5));
            path.lineTo(m + QPointF(5, -1.5));
            path.quadTo(m + QPointF(4.5, 5.5), m + QPointF(0, 5.5));
            path.quadTo(m + QPointF(-4.5, 5.5), m + QPointF(-5, -1.5));
            painter_.setPen(QPen(ink::colour(LineInk), 0.8));
            painter_.setBrush(ink::colour(MouthInk));
            painter_.drawPath(path);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::colour(0xff8a9a));
            if (mouth == Mouth::Tongue)
                painter_.drawRoundedRect(QRectF(m.x() - 2.6, m.y() + 1.5, 5.2, 7.5), 2.6, 2.6);
            else
                painter_.drawEllipse(m + QPointF(0, 3.6), 2.8, 1.6);
            return;
    }
}

void FacePainter::paintBlush(bool strong) {
    const QPointF h = g_.head;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ink::colour(0xff7a8a, strong ? 150 : 95));
    for (const double side : {-1.0, 1.0})
        painter_.drawEllipse(h + QPointF(side * 15, 13), 4.2, 2.3);
    if (!strong) return;
    painter_.setPen(QPen(ink::colour(0xe0506a, 160), 0.6));
    for (const double side : {-1.0, 1.0})
        for (int i = -1; i <= 1; ++i)
            painter_.drawLine(h + QPointF(side * 15 + i * 2.2 - 0.8, 14.2),
                              h + QPointF(side * 15 + i * 2.2 + 0.8, 11.8));
}

void FacePainter::paintExtra() {
    const QPointF h = g_.head;
    const QPointF eyeL = h + QPointF(-9.5, 6);
    const QPointF eyeR = h + QPointF(9.5, 6);
    switch (look_.extra) {
        case FaceExtra::None:
            return;
        case FaceExtra::Glasses:
            painter_.setBrush(QColor(255, 255, 255, 40));
            painter_.setPen(QPen(ink::colour(0x2a2a40), 1.2));
            painter_.drawEllipse(eyeL, 6.5, 6.0);
            painter_.drawEllipse(eyeR, 6.5, 6.0);
            painter_.drawLine(eyeL + QPointF(6.5, -1), eyeR + QPointF(-6.5, -1));
            return;
        case FaceExtra::Sunglasses: {
            QPainterPath lenses;
            lenses.addRoundedRect(QRectF(eyeL.x() - 7.5, eyeL.y() - 4.5, 15, 9), 3.5, 3.5);
            lenses.addRoundedRect(QRectF(eyeR.x() - 7.5, eyeR.y() - 4.5, 15, 9), 3.5, 3.5);
            painter_.setPen(QPen(ink::colour(0x101010), 1.0));
            painter_.setBrush(ink::colour(0x1a1a24));
            painter_.drawPath(lenses);
            painter_.drawLine(eyeL + QPointF(7, -2), eyeR + QPointF(-7, -2));
            painter_.setPen(QPen(QColor(255, 255, 255, 200), 1.1, Qt::SolidLine, Qt::RoundCap));
            painter_.drawLine(eyeL + QPointF(-4, -1.5), eyeL + QPointF(-1.5, -3));
            painter_.drawLine(eyeR + QPointF(-4, -1.5), eyeR + QPointF(-1.5, -3));
            return;
        }
        case FaceExtra::Moustache: {
            QPainterPath tash;
            const QPointF m = h + QPointF(0, 15);
            tash.moveTo(m);
            tash.cubicTo(m + QPointF(-4, -4), m + QPointF(-10, -2), m + QPointF(-11, 2));
            tash.cubicTo(m + QPointF(-8, 0), m + QPointF(-4, 3), m);
            tash.cubicTo(m + QPointF(4, 3), m + QPointF(8, 0), m + QPointF(11, 2));
            tash.cubicTo(m + QPointF(10, -2), m + QPointF(4, -4), m);
            ink::fillOutlined(painter_, tash, 0x3a2418, 0.6);
            return;
        }
        case FaceExtra::ClownNose:
            ink::fillOutlined(painter_, ink::circle(h + QPointF(0, 12), 3.6), 0xff2a2a, 0.7);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(QColor(255, 255, 255, 200));
            painter_.drawEllipse(h + QPointF(-1.2, 10.8), 1.0, 0.8);
            return;
        case FaceExtra::Freckles:
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(ink::darker(look_.skin, 150));
            for (const double side : {-1.0, 1.0})
                for (const QPointF d : {QPointF(12, 11), QPointF(15, 13), QPointF(17, 10.5)})
                    painter_.drawEllipse(h + QPointF(side * d.x(), d.y()), 0.6, 0.6);
            return;
    }
}

}  // namespace dorvane::assets
