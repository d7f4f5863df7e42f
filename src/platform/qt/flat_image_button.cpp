#include "platform/qt/flat_image_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVariant>

namespace dorvane {

FlatImageButton::FlatImageButton(const QImage& picture, bool border, QWidget* parent)
    : QPushButton(parent), picture_(picture), border_(border) {
    setFlat(true);
    setAutoDefault(false);
    setDefault(false);
    setAttribute(Qt::WA_Hover);
}

void FlatImageButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    // a skin's style paints the panel and frame itself, and says so when it polishes us
    const bool skinned = property("dorvaneSkinPaintsPanel").toBool();
    if (!skinned) painter.fillRect(rect(), palette().color(QPalette::Button));
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus;                  // no focus rectangle
    painter.drawControl(QStyle::CE_PushButtonBevel, option);  // flat: a panel only while pressed
    if (border_ && !skinned) {
        painter.setPen(palette().color(underMouse() ? QPalette::Highlight : QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (picture_.isNull()) return;
    // the caption is empty, so the picture stands alone in the middle
    QRect place(QPoint(), picture_.size());
    place.moveCenter(rect().center());
    if (isDown()) place.translate(1, 1);
    painter.drawImage(place, picture_);
}

}  // namespace dorvane
