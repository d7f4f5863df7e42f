#include "platform/qt/control_factory.h"

#include <QGroupBox>
#include <QPushButton>
#include <array>

#include "platform/qt/face_label.h"
#include "platform/qt/flat_image_button.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser_pane.h"
#include "platform/qt/still_picture.h"
#include "platform/qt/thumbnail_box.h"
#include "platform/qt/wrapping_push_button.h"

namespace dorvane {
namespace {

using Maker = QWidget* (*)(const ControlLayout& row, const QString& text, QWidget* parent);

QWidget* MakeGroupBox(const ControlLayout& row, const QString& text, QWidget* parent) {
    auto* box = new QGroupBox(text, parent);
    box->setAlignment(row.settings.captionLeft ? Qt::AlignLeft : Qt::AlignHCenter);
    return box;
}

QWidget* MakePictureBox(const ControlLayout& row, const QString&, QWidget* parent) {
    return new ThumbnailBox(row.image.bytes, row.settings.border, parent);
}

QWidget* MakeLabel(const ControlLayout&, const QString& text, QWidget* parent) {
    return new FaceLabel(text, parent);
}

QWidget* MakePushButton(const ControlLayout& row, const QString& text, QWidget* parent) {
    if (row.settings.multiline) return new WrappingPushButton(text, parent);
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

QWidget* MakeBrowserPane(const ControlLayout& row, const QString&, QWidget* parent) {
    return new QtBrowserPane(parent, row.settings.pane);
}

QWidget* MakeImageButton(const ControlLayout& row, const QString&, QWidget* parent) {
    return new FlatImageButton(StillPicture(row.image.bytes, row.settings.transparentFromTopLeft),
                               row.settings.border, parent);
}

// in ControlKind's order
constexpr std::array<Maker, 6> Makers = {
    MakeGroupBox, MakePictureBox, MakeLabel, MakePushButton, MakeBrowserPane, MakeImageButton,
};

void ApplyTextColour(QWidget* control, const Colour& colour) {
    if (!colour) return;
    QPalette palette = control->palette();
    const QColor text(colour->red, colour->green, colour->blue);
    // group box captions are drawn in one or the other, depending on the style
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    control->setPalette(palette);
}

}  // namespace

QWidget* CreateControl(const ControlLayout& row, QWidget* parent) {
    const auto kind = static_cast<std::size_t>(row.kind);
    if (kind >= Makers.size()) return nullptr;
    QWidget* control = Makers[kind](row, QStringFromGbk(row.text), parent);
    control->hide();
    control->setObjectName(QStringFromGbk(row.name));
    control->setGeometry(row.left, row.top, row.width, row.height);
    control->setEnabled(row.enabled);
    ApplyTextColour(control, row.settings.textColour);
    return control;
}

}  // namespace dorvane
