#include "program_style.h"

#include "look.h"

#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPointer>
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
    // Qt before 6.8 hands this the size in device pixels, Qt 6.8 and later in logical ones (QIcon::pixmap()'s own
    // documentation says so); the held icon is asked in logical ones. Nothing in the call tells the two apart, and a
    // size taken in the wrong one gives a pixmap that is too small or too coarse, so the Qt the program runs on
    // decides, not the one it was built with.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        static const bool givenInDevicePixels = QLibraryInfo::version() < QVersionNumber(6, 8);
        return icon().pixmap(givenInDevicePixels ? size / scale : size, scale, mode, state);
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

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

template <typename Draw>
void ProgramStyle::drawMarked(const QStyleOption* option, QPainter* painter, bool button, Draw draw) const
{
    ++m_depth;
    draw();
    if (m_depth == 1 && (option->state & State_HasFocus) && !option->rect.isEmpty()) {
        // The text colour, not the highlight: a default button's outline is already drawn in the highlight colour.
        const QColor text = option->palette.color(button ? QPalette::ButtonText : QPalette::Text);
        const QColor face = option->palette.color(button ? QPalette::Button : QPalette::Base);
        QColor ring = text;
        if (contrastRatio(text, face) < 3.0)
            ring = contrastRatio(Qt::black, face) >= contrastRatio(Qt::white, face) ? QColor(Qt::black)
                                                                                    : QColor(Qt::white);
        painter->save();
        QPen pen(ring, focusRingWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        constexpr qreal inset = focusRingWidth / 2.0;
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }
    --m_depth;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element,
                                 const QStyleOption* option,
                                 QPainter* painter,
                                 const QWidget* widget) const
{
    const auto draw = [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); };
    // A frameless line edit is the inner editor of a field drawn around it, which carries the ring itself.
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && frame && frame->lineWidth > 0)
        drawMarked(option, painter, false, draw);
    else
        draw();
}

void ProgramStyle::drawControl(ControlElement element,
                               const QStyleOption* option,
                               QPainter* painter,
                               const QWidget* widget) const
{
    const auto draw = [&] { QProxyStyle::drawControl(element, option, painter, widget); };
    if (element == CE_PushButton)
        drawMarked(option, painter, true, draw);
    else
        draw();
}

void ProgramStyle::drawComplexControl(ComplexControl control,
                                      const QStyleOptionComplex* option,
                                      QPainter* painter,
                                      const QWidget* widget) const
{
    const auto draw = [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); };
    if (control == CC_ComboBox)
        drawMarked(option, painter, false, draw);
    else
        draw();
}

} // namespace kalendix
