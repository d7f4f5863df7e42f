// Paints what a figure wears besides its clothes: the headwear on top of the
// hair and the wings, cape or tail behind its back.
#pragma once

#include "figure_geometry.h"
#include "looks.h"

class QPainter;

namespace dorvane::assets {

class AccessoryPainter {
  public:
    AccessoryPainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry);

    void paintBack();
    void paintHeadwear();

  private:
    void paintEars(double spread, double height, double width, bool round);
    void paintHat();

    QPainter& painter_;
    const FigureLook& look_;
    const FigureGeometry& g_;
};

}  // namespace dorvane::assets
