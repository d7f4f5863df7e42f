// Paints a face's expression (eyes, brows, mouth, blush) and what is worn on
// the face (glasses, a moustache, a clown's nose, freckles).
#pragma once

#include <QPointF>

#include "figure_geometry.h"
#include "looks.h"

class QPainter;

namespace dorvane::assets {

class FacePainter {
  public:
    FacePainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry);

    void paint();

  private:
    enum class Eye { Open, Closed, Smiling, Sleepy, Wide, Lidded, Dot };
    enum class Mouth { Smile, Open, Round, Smirk, Tongue, Cat, Wobble, Small };

    void paintEye(QPointF at, Eye eye, double scale);
    void paintMouth(Mouth mouth);
    void paintBlush(bool strong);
    void paintExtra();

    QPainter& painter_;
    const FigureLook& look_;
    const FigureGeometry& g_;
};

}  // namespace dorvane::assets
