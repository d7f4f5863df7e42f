// The contact button's look: a flat button (no 3-D bevel, not the style's own
// look) with a one-pixel border line, its picture before an empty caption and
// no focus rectangle. The picture moves by a pixel while pressed and the border
// takes the highlight colour under the mouse. Clicks come as clicked().
#pragma once

#include <QAbstractButton>
#include <QImage>

namespace dorvane {

class FlatImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    FlatImageButton(const QImage& picture, bool border, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    bool border_;
};

}  // namespace dorvane
