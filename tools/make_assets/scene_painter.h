// Paints a thumbnail's backdrop: sky or pattern, sun or moon, the far
// horizon and the ground the figure stands on. Decor and sprinkles have their
// own painters.
#pragma once

#include "looks.h"

class QPainter;

namespace dorvane::assets {

class RandomStream;

class ScenePainter {
  public:
    ScenePainter(QPainter& painter, const SceneLook& look, RandomStream& random);

    void paintSky();
    void paintLight();
    void paintHorizon();
    void paintGround();

  private:
    void paintPattern();
    void paintWater();
    void paintHills();
    void paintMountains();
    void paintSkyline();

    QPainter& painter_;
    const SceneLook& look_;
    RandomStream& random_;
};

}  // namespace dorvane::assets
