#include "skin_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>
#include <QVariant>
#include <initializer_list>
#include <utility>

namespace dorvane::skin {
namespace {

// ---- the look -------------------------------------------------------------

using Stops = std::initializer_list<std::pair<qreal, QRgb>>;

QBrush Gradient(bool vertical, Stops stops) {
    // stretched over whatever is filled, as the skin's gradients always were
    QLinearGradient gradient(0, 0, vertical ? 0 : 1, vertical ? 1 : 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    for (const auto& [at, colour] : stops) gradient.setColorAt(at, QColor::fromRgba(colour));
    return QBrush(gradient);
}

struct Look {
    QBrush background;
    QColor border;
    int radius;
    bool dashed = false;
};

constexpr int ButtonRadius = 9;
constexpr int PillRadius = 4;
constexpr int GroupBoxTopMargin = 8;  // the frame starts below the caption's middle
constexpr int CaptionIndent = 10;
constexpr int CaptionPadding = 6;
constexpr int CaptionSlack = 4;  // the caption pill has always been this much wider than its text
const QRgb CardBackground = qRgba(255, 255, 255, 185);

Look ButtonLook(QStyle::State state) {
    if (!(state & QStyle::State_Enabled)) {
        return {QColor(0xf6e6ee), QColor(0xe6c7d7), ButtonRadius};
    }
    Look look{Gradient(true, {{0, 0xfffff0f7}, {0.45, 0xfffcd3e6}, {1, 0xfff3a6ca}}),
              QColor(0xdf86b0), ButtonRadius};
    if (state & QStyle::State_MouseOver) {
        look = {Gradient(true, {{0, 0xfffff8fb}, {0.45, 0xfffde2ef}, {1, 0xfff7bcd8}}),
                QColor(0xc9609a), ButtonRadius};
    }
    if (state & QStyle::State_Sunken) {
        look = {Gradient(true, {{0, 0xffec94bd}, {1, 0xfffbd0e4}}), QColor(0xb54c86), ButtonRadius};
    }
    if (state & QStyle::State_HasFocus) look.border = QColor(0x9b7fd4);
    return look;
}

// Flat push buttons and tool buttons: opaque, so a label under one does not
// show through; no focus colour.
Look PillLook(QStyle::State state) {
    const bool enabled = state & QStyle::State_Enabled;
    if (enabled && (state & QStyle::State_Sunken)) {
        return {QColor(0xf3b6d2), QColor(0xb54c86), PillRadius};
    }
    if (enabled && (state & QStyle::State_MouseOver)) {
        return {QColor(0xfde0ee), QColor(0xd872a6), PillRadius};
    }
    return {QColor(0xfff4fa), QColor(0xeab3cf), PillRadius};
}

Look GroupBoxLook() {
    return {Gradient(true, {{0, qRgba(255, 250, 253, 215)}, {1, qRgba(240, 230, 255, 200)}}),
            QColor(0xe7a7c8), 10};
}

Look CaptionLook() {
    return {Gradient(false, {{0, 0xffffe4f1}, {1, 0xffece2ff}}), QColor(0xe2b0d2), 6};
}

Look CardLook() {
    return {QColor::fromRgba(CardBackground), QColor(0xec97c0), 6, true};
}

Look TipLook() {
    return {QColor(0xfff5fa), QColor(0xe7a7c8), PillRadius};
}

// ---- drawing --------------------------------------------------------------

// A corner that does not fit the rectangle is square.
int FittingRadius(const QRect& r, int radius) {
    return 2 * radius > r.width() || 2 * radius > r.height() ? 0 : radius;
}

// The outline a one-pixel border runs along, half a pixel inside the box; the
// background is filled along it rather than clipped to it, for smooth corners,
// and a gradient spans it.
QPainterPath Outline(const QRect& box, int radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    return path;
}

// One-pixel border: each side is a strip (or a dotted line) ending where its
// corners begin, and draws the halves of its two corners next to it, in the
// direction a dotted corner's dots follow.
void DrawBorder(QPainter* p, const QRect& box, const QColor& colour, int radius, bool dashed) {
    const QRectF r(box);
    const qreal right = r.x() + r.width();
    const qreal bottom = r.y() + r.height();
    const Qt::PenStyle line = dashed ? Qt::DotLine : Qt::SolidLine;
    const auto side = [&](qreal x1, qreal y1, qreal x2, qreal y2) {
        if (dashed) {
            p->setPen(QPen(colour, 1, line, Qt::FlatCap));
            p->setBrush(Qt::NoBrush);
            p->drawLine(QLineF(x1, y1, x2 - 1, y2 - 1));
        } else {
            p->setPen(Qt::NoPen);
            p->setBrush(colour);
            p->drawRect(QRectF(x1, y1, x2 - x1, y2 - y1));
        }
    };
    // square caps: the halves meet without a gap
    const auto arc = [&](qreal left, qreal top, int startDegrees, int spanDegrees) {
        if (radius == 0) return;
        p->setPen(QPen(colour, 1, line, Qt::SquareCap));
        p->setBrush(Qt::NoBrush);
        p->drawArc(QRectF(left + 0.5, top + 0.5, 2.0 * radius - 1, 2.0 * radius - 1),
                   startDegrees * 16, spanDegrees * 16);
    };
    const qreal cornerRight = right - 2.0 * radius;
    const qreal cornerBottom = bottom - 2.0 * radius;
    // bottom, right, left, top: later sides lie over earlier ones
    side(r.x() + radius, bottom - 1, right - radius, bottom);
    arc(r.x(), cornerBottom, -90, -45);
    arc(cornerRight, cornerBottom, -90, 45);
    side(right - 1, r.y() + radius, right, bottom - radius);
    arc(cornerRight, r.y(), 45, -45);
    arc(cornerRight, cornerBottom, 315, 45);
    side(r.x(), r.y() + radius, r.x() + 1, bottom - radius);
    arc(r.x(), r.y(), 135, 45);
    arc(r.x(), cornerBottom, 180, 45);
    side(r.x() + radius, r.y(), right - radius, r.y() + 1);
    arc(r.x(), r.y(), 135, -45);
    arc(cornerRight, r.y(), 45, 45);
}

void DrawBox(QPainter* p, const QRect& box, const Look& look) {
    if (!box.isValid()) return;
    const int radius = FittingRadius(box, look.radius);
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    if (radius > 0) {
        p->fillPath(Outline(box, radius), look.background);
    } else {
        p->fillRect(box, look.background);
    }
    DrawBorder(p, box, look.border, radius, look.dashed);
    p->restore();
}

// ---- which widgets the look reaches ----------------------------------------

bool InMessageBox(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<const QMessageBox*>(w) != nullptr) return true;
    }
    return false;
}

// A word-wrapped label stands on a card, except in message boxes and tips.
bool IsCard(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label != nullptr && label->wordWrap() && !label->inherits("QTipLabel") &&
           !InMessageBox(label);
}

bool IsTip(const QWidget* widget) {
    return widget != nullptr && widget->inherits("QTipLabel");
}

bool IsFlatButton(const QWidget* widget) {
    const auto* button = qobject_cast<const QPushButton*>(widget);
    return button != nullptr && button->isFlat();
}

bool IsPill(const QStyleOptionButton& option) {
    return option.features & QStyleOptionButton::Flat;
}

QRect ButtonContents(const QRect& r) {
    return r.adjusted(1, 1, -1, -1);
}

// What polish changed on a widget, kept on the widget itself (so it goes with
// it) as [palette before, flags].
const char* const SavedProperty = "_dorvane_skin_saved";
// Set on flat push buttons: a button that paints its own fill and frame
// leaves them to the pill (the program's picture button reads it).
const char* const PaintsPanelProperty = "dorvaneSkinPaintsPanel";
enum SavedFlag { HadOwnPalette = 1, HadStyledBackground = 2 };

// The caption pill stands at the left, whatever the box's alignment: the
// look has always put it there.
QRect CaptionRect(const QStyleOptionGroupBox& box) {
    const QSize text(box.fontMetrics.horizontalAdvance(box.text), box.fontMetrics.height());
    const QSize size(text.width() + 2 * CaptionPadding + 2 + CaptionSlack, text.height() + 2);
    return QRect(QPoint(box.rect.left() + CaptionIndent, box.rect.top()), size);
}

}  // namespace

SkinStyle::SkinStyle(QStyle* base) : QProxyStyle(base) {}

void SkinStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    const bool card = IsCard(widget);
    const bool flat = IsFlatButton(widget);
    const QWidget* parent = widget->parentWidget();
    // Each widget takes the application's colours, not a parent's own (the
    // black that a group box sets for its caption would reach the borders of
    // the pictures inside it).
    const bool cutOff = !widget->isWindow() && parent != nullptr &&
                        parent->testAttribute(Qt::WA_SetPalette) &&
                        !widget->testAttribute(Qt::WA_SetPalette);
    const bool tip = IsTip(widget);
    if (flat) widget->setProperty(PaintsPanelProperty, true);
    if (!card && !cutOff && !tip) return;

    if (!widget->property(SavedProperty).isValid()) {
        const int flags =
            (widget->testAttribute(Qt::WA_SetPalette) ? HadOwnPalette : 0) |
            (widget->testAttribute(Qt::WA_StyledBackground) ? HadStyledBackground : 0);
        widget->setProperty(SavedProperty, QVariantList{widget->palette(), flags});
    }
    QPalette palette = cutOff ? QApplication::palette(widget) : widget->palette();
    if (card || tip) {
        // the label fills itself with its Button colour, then asks for its
        // card; a tip's window shows its Window colour at the pill's corners
        const QColor background = (card ? CardLook() : TipLook()).background.color();
        for (QPalette::ColorRole role :
             {QPalette::Base, QPalette::Button, QPalette::Window, widget->backgroundRole()}) {
            palette.setColor(role, background);
        }
        widget->setAttribute(Qt::WA_StyledBackground, true);  // drawn under the text, too
    }
    widget->setPalette(palette);
}

void SkinStyle::unpolish(QWidget* widget) {
    if (widget->property(PaintsPanelProperty).isValid()) {
        widget->setProperty(PaintsPanelProperty, QVariant());
    }
    const QVariant saved = widget->property(SavedProperty);
    if (saved.isValid()) {
        const QVariantList values = saved.toList();
        const int flags = values.value(1).toInt();
        widget->setPalette((flags & HadOwnPalette) ? values.value(0).value<QPalette>()
                                                   : QPalette());
        widget->setAttribute(Qt::WA_StyledBackground, (flags & HadStyledBackground) != 0);
        widget->setProperty(SavedProperty, QVariant());
    }
    QProxyStyle::unpolish(widget);
}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_Widget:
            if (IsCard(widget) || IsTip(widget)) {
                DrawBox(painter, option->rect, IsTip(widget) ? TipLook() : CardLook());
                return;
            }
            break;
        case PE_PanelButtonTool:
            DrawBox(painter, option->rect, PillLook(option->state));
            return;
        case PE_PanelTipLabel:
            DrawBox(painter, option->rect, TipLook());
            return;
        case PE_FrameFocusRect:
            if (qobject_cast<const QToolButton*>(widget) != nullptr) return;
            break;
        default:
            break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (button != nullptr && element == CE_PushButtonBevel) {
        DrawBox(painter, button->rect,
                IsPill(*button) ? PillLook(button->state) : ButtonLook(button->state));
        return;
    }
    if (button != nullptr && element == CE_PushButton) {
        proxy()->drawControl(CE_PushButtonBevel, button, painter, widget);
        QStyleOptionButton label(*button);
        label.rect = proxy()->subElementRect(SE_PushButtonContents, button, widget);
        proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
        if (button->state & State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*button);
            focus.rect = proxy()->subElementRect(SE_PushButtonFocusRect, button, widget);
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
        return;
    }
    if (button != nullptr && element == CE_PushButtonLabel && !(button->state & State_Enabled)) {
        // the disabled colour follows the state, whatever group the palette is in
        QStyleOptionButton label(*button);
        label.palette.setCurrentColorGroup(QPalette::Disabled);
        QProxyStyle::drawControl(element, &label, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize SkinStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                  const QSize& contents, const QWidget* widget) const {
    // A button is its contents in a one-pixel border, with no padding and no
    // least width: captions wrap inside the window's 96 x 24 type buttons.
    if (type == CT_PushButton || type == CT_ToolButton) return contents + QSize(2, 2);
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

void SkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr || (box->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (box->subControls & SC_GroupBoxFrame) {
        DrawBox(painter, proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget),
                GroupBoxLook());
    }
    if ((box->subControls & SC_GroupBoxLabel) && !box->text.isEmpty()) {
        const QRect caption = proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
        DrawBox(painter, caption, CaptionLook());
        const QRect text = caption.adjusted(1 + CaptionPadding, 1, -1 - CaptionPadding, -1);
        proxy()->drawItemText(painter, text, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                              box->state & State_Enabled, box->text, QPalette::WindowText);
    }
}

QRect SkinStyle::subElementRect(SubElement element, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (element) {
        case SE_PushButtonContents:
        case SE_PushButtonFocusRect:
            return ButtonContents(option->rect);  // inside the one-pixel border, no padding
        case SE_FrameContents:
        case SE_ShapedFrameContents:
            if (IsCard(widget)) return option->rect.adjusted(1, 1, -1, -1);
            break;
        default:
            break;
    }
    return QProxyStyle::subElementRect(element, option, widget);
}

QRect SkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl subControl, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control == CC_GroupBox && box != nullptr && !(box->subControls & SC_GroupBoxCheckBox)) {
        switch (subControl) {
            case SC_GroupBoxFrame:
                return box->rect.adjusted(0, GroupBoxTopMargin, 0, 0);
            case SC_GroupBoxContents:
                return box->rect.adjusted(1, GroupBoxTopMargin + 1, -1, -1);
            case SC_GroupBoxLabel:
                return CaptionRect(*box);
            default:
                break;
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

}  // namespace dorvane::skin
