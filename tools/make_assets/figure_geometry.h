// Where the parts of a standing figure are, for one pose. Every painter of
// the figure reads the same places, so a held item lands in the hand.
#pragma once

#include <QPointF>

#include "looks.h"

namespace dorvane::assets {

struct ArmGeometry {
    QPointF shoulder, elbow, hand;
};

struct FigureGeometry {
    double centreX;
    QPointF head;  // centre of the face
    double headRx, headRy;
    double shoulderY, waistY, footY;
    ArmGeometry left, right;  // as seen in the picture

    static FigureGeometry forPose(Pose pose, double centreX);
    // the top of the skull, where hats sit
    QPointF crown() const { return {head.x(), head.y() - headRy}; }
};

}  // namespace dorvane::assets
