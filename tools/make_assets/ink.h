// Colours and outlined fills shared by the painters.
#pragma once

#include <QColor>
#include <QPainterPath>

#include "looks.h"

class QPainter;

namespace dorvane::assets::ink {

QColor colour(Rgb rgb, int alpha = 255);
// factor > 100 darkens, < 100 lightens (as QColor::darker / lighter read it)
QColor darker(Rgb rgb, int factor = 150);
QColor lighter(Rgb rgb, int factor = 130);
// Fills the shape and draws a darker rim round it, the way the figures are drawn.
void fillOutlined(QPainter& painter, const QPainterPath& shape, Rgb fill, double rim = 1.0);
Rgb rgbOf(const QColor& colour);
// Fills area with a gradient running straight down from top to bottom.
void fillGradient(QPainter& painter, const QRectF& area, Rgb top, Rgb bottom);
QPainterPath circle(QPointF centre, double radius);
QPainterPath ellipse(QPointF centre, double rx, double ry);
QPainterPath heart(QPointF centre, double size);
QPainterPath star(QPointF centre, double outer, double inner, int points, double turn = 0.0);
QPainterPath flower(QPointF centre, double size, int petals);

}  // namespace dorvane::assets::ink
