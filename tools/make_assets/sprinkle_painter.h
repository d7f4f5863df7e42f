// Scatters a scene's small things over it: stars, petals, snow, leaves,
// fireflies, rain, hearts, bubbles, sparkles, confetti or notes.
#pragma once

#include <QPointF>

#include "looks.h"

class QPainter;

namespace dorvane::assets {

class RandomStream;

class SprinklePainter {
  public:
    SprinklePainter(QPainter& painter, const SceneLook& look, RandomStream& random);

    // count of them, anywhere above maxY
    void paint(int count, double maxY);

  private:
    void paintOne(QPointF at, double size, double turn);

    QPainter& painter_;
    const SceneLook& look_;
    RandomStream& random_;
};

}  // namespace dorvane::assets
