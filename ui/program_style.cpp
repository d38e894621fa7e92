#include "program_style.h"

#include "colours.h"
#include "qt_versions.h"

#include <QIconEngine>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOption>

namespace kalendix {

namespace {

// Stands for one of the style's icons and fetches it the first time anything asks what it looks like.
class DeferredIconEngine final : public QIconEngine
{
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which)
        : m_style(style)
        , m_which(which)
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    // The held icon is asked in logical pixels; a size taken in the wrong unit gives a pixmap that is too small or
    // too coarse.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const bool devicePixels = qt_versions::iconEnginesAreGivenDevicePixels();
        return icon().pixmap(devicePixels ? size / scale : size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Widgets ask this as they are built and laid out; answered without loading, as the style has each of its icons.
    bool isNull() override { return m_loaded ? m_icon.isNull() : m_style.isNull(); }
    QString key() const override { return QStringLiteral("kalendix.deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!m_loaded && m_style) {
            m_icon = m_style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};

// What the ring must stand out from: a button's face, or a field's (a line edit's, or a drop-down field's), in the
// colour the control's palette gives the style to paint it with.
enum class Face { Button, Field };

void drawFocusRing(const QStyleOption* option, QPainter* painter, Face face)
{
    if (!(option->state & QStyle::State_HasFocus) || option->rect.isEmpty())
        return;
    const bool button = face == Face::Button;
    const QColor shown = option->palette.color(button ? QPalette::Button : QPalette::Base);
    // The text colour, not the highlight: a default button's outline is already drawn in the highlight colour.
    QColor ring = option->palette.color(button ? QPalette::ButtonText : QPalette::Text);
    if (contrastRatio(ring, shown) < 3.0)
        ring =
            contrastRatio(Qt::black, shown) >= contrastRatio(Qt::white, shown) ? QColor(Qt::black) : QColor(Qt::white);
    painter->save();
    QPen pen(ring, ProgramStyle::focusRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    constexpr qreal inset = ProgramStyle::focusRingWidth / 2.0;
    painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
    painter->restore();
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element,
                                 const QStyleOption* option,
                                 QPainter* painter,
                                 const QWidget* widget) const
{
    // Elements draw others through the style in turn, and only the outermost one carries the ring. Each element
    // marked here is the one its own kind of control paints itself with; drawn as part of another control, it is
    // that control's, whose own element carries the ring. So the control being painted decides, not how deep the
    // drawing is.
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A frameless line edit is the inner editor of a field drawn around it, which carries the ring itself.
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && frame && frame->lineWidth > 0 && qobject_cast<const QLineEdit*>(widget))
        drawFocusRing(option, painter, Face::Field);
}

void ProgramStyle::drawControl(ControlElement element,
                               const QStyleOption* option,
                               QPainter* painter,
                               const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && qobject_cast<const QPushButton*>(widget))
        drawFocusRing(option, painter, Face::Button);
}

void ProgramStyle::drawComplexControl(ComplexControl control,
                                      const QStyleOptionComplex* option,
                                      QPainter* painter,
                                      const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox)
        drawFocusRing(option, painter, Face::Field);
}

} // namespace kalendix
