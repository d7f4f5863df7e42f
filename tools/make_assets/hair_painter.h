// Paints the head: the hair that falls behind it, the face's skin and ears,
// and the fringe and locks that lie over it.
#pragma once

#include <QPainterPath>

#include "figure_geometry.h"
#include "looks.h"

class QPainter;

namespace dorvane::assets {

class HairPainter {
  public:
    HairPainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry);

    void paintBackHair();
    void paintHead();
    void paintFrontHair();

  private:
    QPainterPath tail(double side, double reach, double length) const;
    QPainterPath afro() const;

    QPainter& painter_;
    const FigureLook& look_;
    const FigureGeometry& g_;
};

}  // namespace dorvane::assets
