// The skin's look drawn by a style of the engine's own, laid over the
// theme's base style: rounded gradient buttons, soft pills for flat and tool
// buttons, tinted group boxes with a pill caption, and a dashed card behind
// word-wrapped labels. An application style sheet would draw the same, but
// makes Qt polish every widget through its slowest path; this style does its
// work in a handful of paint calls and changes a widget only where the look
// needs it (a label's card; a property telling a flat button that paints its
// own fill to leave it to the pill), undoing it in unpolish.
// It lives in the engine library, so the engine replaces it with a plain base
// style before the library is unloaded (see skin_attach.cpp).
#pragma once

#include <QProxyStyle>

namespace dorvane::skin {

class SkinStyle : public QProxyStyle {
  public:
    // takes ownership of base
    explicit SkinStyle(QStyle* base);

    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
};

}  // namespace dorvane::skin
