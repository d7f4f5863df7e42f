#include "contact_button_painter.h"

#include <QPainter>
#include <utility>

#include "ink.h"

namespace dorvane::assets {

namespace {

constexpr Rgb Body = 0x1c1c24;
constexpr Rgb Belly = 0xffffff;
constexpr Rgb Beak = 0xffb400;
constexpr Rgb Scarf = 0xe8202a;
constexpr Rgb Words = 0x1a46b8;
constexpr Rgb WordsLit = 0xe0261c;

// What changes from frame to frame: how far the right flipper is raised,
// whether the eyes are shut, how high the penguin hops, the words' colour
// (they light up while it waves) and how long the frame stays.
struct PenguinFrame {
    double flipperLift;  // degrees
    bool blink;
    double hop;
    Rgb words;
    int centiseconds;
};

constexpr PenguinFrame Frames[] = {
    {0, false, 0, Words, 150}, {60, false, 0, Words, 15}, {118, false, 1, WordsLit, 15},
    {60, false, 0, Words, 15}, {0, true, 0, Words, 20},
};

void paintPenguin(QPainter& p, const PenguinFrame& f) {
    p.save();
    p.translate(0, -f.hop);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::colour(Beak));
    p.drawEllipse(QPointF(5.0, 15.0 + f.hop * 0.3), 2.1, 0.9);
    p.drawEllipse(QPointF(10.0, 15.0 + f.hop * 0.3), 2.1, 0.9);
    // flippers: the left hangs, the right lifts to wave
    p.setBrush(ink::colour(Body));
    p.save();
    p.translate(2.4, 8.5);
    p.rotate(18);
    p.drawEllipse(QPointF(0, 2.2), 1.2, 3.0);
    p.restore();
    p.save();
    p.translate(11.9, 8.3);
    p.rotate(-18 - f.flipperLift);
    p.drawEllipse(QPointF(0, 2.2), 1.2, 3.0);
    p.restore();
    p.drawEllipse(QPointF(7.5, 8.4), 5.4, 6.6);
    p.setBrush(ink::colour(Belly));
    p.drawEllipse(QPointF(7.5, 10.9), 3.9, 3.7);
    p.drawEllipse(QPointF(7.5, 5.9), 3.5, 2.6);
    if (f.blink) {
        p.setPen(QPen(ink::colour(Body), 0.9));
        p.drawLine(QPointF(5.0, 4.9), QPointF(6.8, 4.9));
        p.drawLine(QPointF(8.2, 4.9), QPointF(10.0, 4.9));
        p.setPen(Qt::NoPen);
    } else {
        p.setBrush(ink::colour(Body));
        p.drawEllipse(QPointF(6.1, 4.9), 0.9, 1.2);
        p.drawEllipse(QPointF(8.9, 4.9), 0.9, 1.2);
    }
    p.setBrush(ink::colour(Beak));
    p.drawEllipse(QPointF(7.5, 6.9), 1.9, 0.9);
    p.setBrush(ink::colour(Scarf));
    p.drawRoundedRect(QRectF(3.0, 8.3, 9.0, 1.7), 0.8, 0.8);
    p.drawRect(QRectF(9.2, 9.0, 1.6, 3.0));
    p.restore();
}

}  // namespace

ContactButtonPainter::ContactButtonPainter(QFont font) : font_(std::move(font)) {}

std::vector<GifFrame> ContactButtonPainter::paintFrames() const {
    std::vector<GifFrame> frames;
    for (const PenguinFrame& f : Frames) {
        QImage image(Width, Height, QImage::Format_RGB32);
        image.fill(ink::colour(Background));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintPenguin(painter, f);
        painter.setFont(font_);
        painter.setPen(ink::colour(f.words));
        painter.drawText(QRectF(16, 0, Width - 16, Height), Qt::AlignCenter,
                         QString::fromUtf8("联系作者"));
        painter.end();

        GifFrame frame{{}, f.centiseconds};
        frame.rgb.reserve(Width * Height);
        for (int y = 0; y < Height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < Width; ++x) frame.rgb.push_back(row[x] & 0xffffff);
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

}  // namespace dorvane::assets
