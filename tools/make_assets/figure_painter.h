// Paints one dressed figure, back to front: wings, hair behind the head,
// body and clothes, arms, face, fringe, headwear and the held item.
#pragma once

#include "looks.h"

class QPainter;

namespace dorvane::assets {

class FigurePainter {
  public:
    FigurePainter(QPainter& painter, const FigureLook& look);

    void paint(double centreX);

  private:
    QPainter& painter_;
    const FigureLook& look_;
};

}  // namespace dorvane::assets
