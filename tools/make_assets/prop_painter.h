// Paints the item a figure holds in its right hand (as seen in the picture):
// a parasol, an umbrella, a balloon, a fan, a lantern, flowers, a wand, a
// lollipop, a teddy bear, a banana, a fish or a microphone.
#pragma once

#include "figure_geometry.h"
#include "looks.h"

class QPainter;

namespace dorvane::assets {

class PropPainter {
  public:
    PropPainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry);

    void paint();

  private:
    void paintCanopy(bool lace);

    QPainter& painter_;
    const FigureLook& look_;
    const FigureGeometry& g_;
};

}  // namespace dorvane::assets
