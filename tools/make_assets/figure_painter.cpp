#include "figure_painter.h"

#include "accessory_painter.h"
#include "face_painter.h"
#include "figure_geometry.h"
#include "hair_painter.h"
#include "outfit_painter.h"
#include "prop_painter.h"

namespace dorvane::assets {

FigurePainter::FigurePainter(QPainter& painter, const FigureLook& look)
    : painter_(painter), look_(look) {}

void FigurePainter::paint(double centreX) {
    const FigureGeometry geometry = FigureGeometry::forPose(look_.pose, centreX);
    AccessoryPainter accessories(painter_, look_, geometry);
    HairPainter hair(painter_, look_, geometry);
    OutfitPainter outfit(painter_, look_, geometry);

    accessories.paintBack();
    hair.paintBackHair();
    outfit.paintBehindHead();
    outfit.paintBody();
    outfit.paintArms();
    hair.paintHead();
    FacePainter(painter_, look_, geometry).paint();
    hair.paintFrontHair();
    accessories.paintHeadwear();
    PropPainter(painter_, look_, geometry).paint();
}

}  // namespace dorvane::assets
