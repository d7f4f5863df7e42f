#include "platform/qt/wrapping_push_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace dorvane {

WrappingPushButton::WrappingPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

void WrappingPushButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // the style draws the bevel and the focus frame; the caption is ours
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) {
        textArea.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         text(), QPalette::ButtonText);
}

}  // namespace dorvane
