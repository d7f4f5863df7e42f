#include "thumbnail_painter.h"

#include <QPainter>
#include <QRadialGradient>
#include <utility>

#include "decor_painter.h"
#include "figure_painter.h"
#include "ink.h"
#include "random_stream.h"
#include "scene_painter.h"
#include "sprinkle_painter.h"

namespace dorvane::assets {

namespace {

// The kinds that fill the sky only, so the horizon hides them.
bool skyOnly(Sprinkle kind) {
    return kind == Sprinkle::Stars;
}

// Kinds that also drift in front of the figure.
bool drifts(Sprinkle kind) {
    return kind == Sprinkle::Petals || kind == Sprinkle::Snow || kind == Sprinkle::Leaves ||
           kind == Sprinkle::Confetti || kind == Sprinkle::Hearts || kind == Sprinkle::Sparkles;
}

void paintShadow(QPainter& painter, double centreX) {
    QRadialGradient shadow(QPointF(centreX, 252), 30);
    shadow.setColorAt(0, QColor(0, 0, 30, 70));
    shadow.setColorAt(1, QColor(0, 0, 30, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(centreX, 252), 30, 6);
}

void paintCaption(QPainter& painter, const QFont& font, const char* caption) {
    const QRectF bubble(86, 8, 50, 34);
    QPainterPath shape = ink::ellipse(bubble.center(), bubble.width() / 2, bubble.height() / 2);
    QPainterPath tail;
    tail.moveTo(bubble.center() + QPointF(-14, 8));
    tail.lineTo(QPointF(90, 56));
    tail.lineTo(bubble.center() + QPointF(-4, 14));
    tail.closeSubpath();
    ink::fillOutlined(painter, shape.united(tail), 0xffffff, 1.4);
    painter.setFont(font);
    painter.setPen(ink::colour(0xd81e3c));
    painter.drawText(bubble, Qt::AlignCenter, QString::fromUtf8(caption));
}

}  // namespace

ThumbnailPainter::ThumbnailPainter(QFont captionFont) : captionFont_(std::move(captionFont)) {}

QImage ThumbnailPainter::paint(const ThumbnailLook& look, int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(width / CanvasWidth, height / CanvasHeight);

    RandomStream random(look.seed);
    const SceneLook& scene = look.scene;
    ScenePainter backdrop(painter, scene, random);
    DecorPainter decor(painter, scene, random);
    SprinklePainter sprinkles(painter, scene, random);
    const double horizon = scene.horizon == Horizon::None ? CanvasHeight : scene.horizonY;

    backdrop.paintSky();
    if (skyOnly(scene.sprinkle)) sprinkles.paint(scene.sprinkleCount, horizon);
    backdrop.paintLight();
    decor.paintFar();
    backdrop.paintHorizon();
    decor.paintNear();
    backdrop.paintGround();
    const int front = drifts(scene.sprinkle) ? scene.sprinkleCount / 4 : 0;
    if (!skyOnly(scene.sprinkle)) sprinkles.paint(scene.sprinkleCount - front, CanvasHeight);
    if (scene.ground != Ground::None) paintShadow(painter, CanvasWidth / 2);
    FigurePainter(painter, look.figure).paint(CanvasWidth / 2);
    sprinkles.paint(front, CanvasHeight);
    if (scene.caption[0] != '\0') paintCaption(painter, captionFont_, scene.caption);
    painter.end();
    return image;
}

}  // namespace dorvane::assets
