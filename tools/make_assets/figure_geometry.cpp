#include "figure_geometry.h"

#include <cmath>
#include <numbers>

namespace dorvane::assets {

namespace {

// Arm angles in degrees from hanging straight down; positive turns away from
// the body. Upper arm first, then forearm, left then right.
struct PoseAngles {
    double leftUpper, leftFore, rightUpper, rightFore;
};

constexpr PoseAngles poseAngles(Pose pose) {
    switch (pose) {
        case Pose::Stand:
            return {14, 8, 14, 8};
        case Pose::Wave:
            return {14, 8, 75, 160};
        case Pose::Hips:
            return {42, -62, 42, -62};
        case Pose::Hold:
            return {14, 8, 22, 125};
        case Pose::Cheer:
            return {145, 165, 145, 165};
        case Pose::Shrug:
            return {55, 125, 55, 125};
        case Pose::Clasp:
            return {10, -42, 10, -42};
        case Pose::Point:
            return {14, 8, 82, 92};
    }
    return {14, 8, 14, 8};
}

constexpr double UpperArm = 24.0;
constexpr double Forearm = 22.0;

QPointF step(QPointF from, double degrees, double length, double outward) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {from.x() + outward * length * std::sin(a), from.y() + length * std::cos(a)};
}

ArmGeometry arm(QPointF shoulder, double upper, double fore, double outward) {
    const QPointF elbow = step(shoulder, upper, UpperArm, outward);
    return {shoulder, elbow, step(elbow, fore, Forearm, outward)};
}

}  // namespace

FigureGeometry FigureGeometry::forPose(Pose pose, double centreX) {
    const PoseAngles a = poseAngles(pose);
    FigureGeometry g{};
    g.centreX = centreX;
    g.head = {centreX, 72};
    g.headRx = 24;
    g.headRy = 26;
    g.shoulderY = 107;
    g.waistY = 146;
    g.footY = 250;
    g.left = arm({centreX - 16, 112}, a.leftUpper, a.leftFore, -1);
    g.right = arm({centreX + 16, 112}, a.rightUpper, a.rightFore, +1);
    return g;
}

}  // namespace dorvane::assets
