#pragma once

#include <QColor>
#include <QHash>
#include <QProxyStyle>
#include <QSize>

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

    // What the ring must stand out from, as the style draws it: a button's face, or a field's (a line edit's, or a
    // drop-down field's).
    enum class Face { Button, Field };
    struct FaceKey
    {
        Face face;
        quint32 state;
        qint64 palette;
        QSize size;
        bool operator==(const FaceKey&) const = default;
    };

private:
    template <typename Draw> void drawMarked(const QStyleOption* option, QPainter* painter, Face face, Draw draw) const;
    template <typename Draw> QColor drawnFace(const QStyleOption* option, Face face, Draw draw) const;

    // Elements draw others through this style in turn; only the outermost one carries the ring.
    mutable int m_depth = 0;
    // The faces the style has drawn, by element, state, palette and size.
    mutable QHash<FaceKey, QColor> m_drawnFaces;
};

size_t qHash(const ProgramStyle::FaceKey& key, size_t seed = 0);

} // namespace kalendix
