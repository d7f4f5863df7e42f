// Paints the one decor piece of a scene: a blossom branch, a tree, reeds, an
// aurora, clouds, bamboo, lanterns or a rainbow.
#pragma once

#include "looks.h"

class QPainter;

namespace dorvane::assets {

class RandomStream;

class DecorPainter {
  public:
    DecorPainter(QPainter& painter, const SceneLook& look, RandomStream& random);

    // Decor that belongs in the sky, behind the horizon (aurora, clouds, rainbow).
    void paintFar();
    // Decor that stands in front of the horizon, behind the figure.
    void paintNear();

  private:
    void paintBlossoms();
    void paintTree();
    void paintReeds();
    void paintAurora();
    void paintClouds();
    void paintBamboo();
    void paintLanterns();
    void paintRainbow();

    QPainter& painter_;
    const SceneLook& look_;
    RandomStream& random_;
};

}  // namespace dorvane::assets
