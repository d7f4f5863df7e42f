// The contact button's look: a flat push button (no 3-D bevel) with a
// one-pixel border line, its picture before an empty caption and no focus
// rectangle. The picture moves by a pixel while pressed. Under a skin whose
// style sets the dynamic property dorvaneSkinPaintsPanel (in polish), the
// style draws the button's panel and frame instead of the line.
// Clicks come as clicked(); it is never a default button.
#pragma once

#include <QImage>
#include <QPushButton>

namespace dorvane {

class FlatImageButton : public QPushButton {
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
