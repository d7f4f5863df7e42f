#include "platform/face_label.h"

#include <QPainter>

namespace dorvane {

FaceLabel::FaceLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::NoFrame);
    setMargin(0);
    setIndent(0);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QString lines = text;
    setText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FaceLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        // read at paint time, so a restyled palette shows
        painter.fillRect(rect(), palette().color(QPalette::Button));
    }
    QLabel::paintEvent(event);
}

}  // namespace dorvane
