#pragma once

#include <QProxyStyle>

namespace kalendix {

// The program-wide style: the platform's own, with two changes.
// - A focused push button, framed line edit or drop-down field carries a ring inside its edge. The platform styles
//   mark a focused button with a dotted line or not at all, which a user does not find at a glance; the ring contrasts
//   with the control's face at least 3:1, on light and dark palettes alike.
// - Icons the windows rarely or never show are loaded when first drawn instead of when their widget is made. Every
//   menu bar asks for its overflow button's icon as it is built, and reading that one image loads and asks each image
//   plugin in turn before the main window can appear.
class ProgramStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    static constexpr int focusRingWidth = 2;

    QIcon standardIcon(StandardPixmap standardIcon,
                       const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element,
                       const QStyleOption* option,
                       QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element,
                     const QStyleOption* option,
                     QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control,
                            const QStyleOptionComplex* option,
                            QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

} // namespace kalendix
