// Prints a fabric pattern (dots, stripes, flowers, hearts, stars, checks)
// inside a garment's outline.
#pragma once

#include <QPainterPath>

#include "looks.h"

class QPainter;

namespace dorvane::assets {

class PatternPainter {
  public:
    explicit PatternPainter(QPainter& painter);

    void paint(const QPainterPath& garment, Pattern pattern, Rgb ink);

  private:
    QPainter& painter_;
};

}  // namespace dorvane::assets
