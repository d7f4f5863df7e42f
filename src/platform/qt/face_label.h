// The label's look: fills its whole area with the 3-D face colour, then
// draws its text over it (colour from the palette's WindowText), left-aligned,
// wrapped, from the top edge; CR LF breaks lines. No border of its own; a
// skin's style may give it one. Every line takes the height of the
// label's font, as the system's own text drawing does: Chinese falls back to
// a taller font, and the three lines would not fit the label's 40 pixels.
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
