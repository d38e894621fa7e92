#pragma once

#include <QProxyStyle>

#include <initializer_list>

namespace kalendix {

// The platform's own style, with a ring inside the edge of a focused push button, line edit or date picker. The
// styles mark a focused button with a dotted line or not at all, which a user does not find at a glance; the ring
// contrasts with the control's face at least 3:1, on light and dark palettes alike.
class FocusMarkStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    explicit FocusMarkStyle(QObject* parent);

    static constexpr int width = 2;

    // Gives the controls this style. They do not own it: it lives as long as its parent, their window.
    void mark(std::initializer_list<QWidget*> controls);

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

private:
    // What the ring must stand out from: a button's face or a line edit's as the style draws them, or the field a
    // picker's inner editor fills in.
    enum class Face { Button, Drawn, Field };

    template <typename Draw> void drawMarked(const QStyleOption* option, QPainter* painter, Face face, Draw draw) const;

    // Elements draw others through this style in turn; only the outermost one carries the ring.
    mutable int m_depth = 0;
};

} // namespace kalendix
