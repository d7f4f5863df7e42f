// The label's look: fills its whole area with the 3-D face colour, then
// draws its text over it (colour from the palette's WindowText), left-aligned,
// wrapped, from the top edge; CR LF breaks lines. No border.
#pragma once

#include <QLabel>

namespace dorvane {

class FaceLabel : public QLabel {
    Q_OBJECT
  public:
    FaceLabel(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dorvane
