// The type buttons' look: an ordinary push button whose caption is centred
// both ways and wraps onto a further line when it does not fit (QPushButton
// itself never wraps). Never a default button, so Enter does not click it.
#pragma once

#include <QPushButton>

namespace dorvane {

class WrappingPushButton : public QPushButton {
    Q_OBJECT
  public:
    WrappingPushButton(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dorvane
