#include "platform/qt/face_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOption>
#include <QTextLayout>

namespace dorvane {

FaceLabel::FaceLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QString lines = text;
    setText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FaceLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // read at paint time, so a restyled palette shows
    painter.fillRect(rect(), palette().color(QPalette::Button));
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);  // a skin's card
    drawFrame(&painter);

    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    QTextOption wrapping(Qt::AlignLeft);
    wrapping.setWrapMode(QTextOption::WordWrap);
    painter.setPen(palette().color(QPalette::WindowText));
    int top = area.top();
    for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            // the baseline where the label's own font puts it
            line.setPosition(QPointF(area.left(), top + metrics.ascent() - line.ascent()));
            top += metrics.height();
        }
        layout.endLayout();
        layout.draw(&painter, QPointF());
    }
}

}  // namespace dorvane
