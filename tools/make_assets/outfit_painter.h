// Paints the figure's body in its clothes: legs and shoes, the skirt or
// trousers, the top with its collar, and the arms in their sleeves.
#pragma once

#include <QPainterPath>

#include "figure_geometry.h"
#include "looks.h"

class QPainter;

namespace dorvane::assets {

class OutfitPainter {
  public:
    OutfitPainter(QPainter& painter, const FigureLook& look, const FigureGeometry& geometry);

    // the hood of a hoodie, which hangs behind the head
    void paintBehindHead();
    void paintBody();
    void paintArms();

  private:
    void paintLegs();
    void paintBottom();
    void paintTorso();
    void paintTrimming(const QPainterPath& torso);
    void paintArm(const ArmGeometry& arm, double outward);
    QPainterPath skirtPath(double hem, double halfWidth, int scallops) const;
    QPainterPath torsoPath() const;
    double torsoBottom() const;

    QPainter& painter_;
    const FigureLook& look_;
    const FigureGeometry& g_;
};

}  // namespace dorvane::assets
