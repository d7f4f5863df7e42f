// A thumbnail picture box: a one-pixel border around the JPEG picture,
// stretched to fill the inside whatever its aspect ratio, on the 3-D face
// colour. The picture is decoded the first time the box is painted, so the
// boxes of hidden panels cost nothing at start, and scaled smoothly from its
// full size for the screen's pixel ratio, so it stays sharp; only that
// scaled copy is kept. pressed() comes
// when the left button goes down on it; the second press of a double click
// does nothing.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <span>

namespace dorvane {

class ThumbnailBox : public QWidget {
    Q_OBJECT
  public:
    ThumbnailBox(std::span<const std::uint8_t> jpeg, bool border, QWidget* parent);
    bool PictureDecoded() const { return decoded_; }

  signals:
    void pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QRect Inside() const;
    const QImage& Picture(QSize devicePixels, qreal ratio);

    std::span<const std::uint8_t> jpeg_;
    bool border_;
    bool decoded_ = false;
    bool undecodable_ = false;
    QImage picture_;  // at the size drawn, in device pixels
};

}  // namespace dorvane
