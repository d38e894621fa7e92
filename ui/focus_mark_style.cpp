#include "focus_mark_style.h"

#include "look.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace kalendix {

namespace {

// The face as the style draws it, not as the palette says: native styles paint some controls in colours of their own.
// It is the most common colour of the element drawn aside.
template <typename Draw> QColor drawnFace(const QStyleOption* option, const QColor& fallback, Draw draw)
{
    QImage image(option->rect.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return fallback;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-option->rect.topLeft());
    draw(&painter);
    painter.end();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) == 255)
                ++counts[line[x]];
    }
    if (counts.isEmpty())
        return fallback;
    return QColor::fromRgb(std::max_element(counts.cbegin(), counts.cend()).key());
}

} // namespace

FocusMarkStyle::FocusMarkStyle(QObject* parent)
{
    setParent(parent);
}

void FocusMarkStyle::mark(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->setStyle(this);
}

template <typename Draw>
void FocusMarkStyle::drawMarked(const QStyleOption* option, QPainter* painter, Face face, Draw draw) const
{
    ++m_depth;
    draw(painter);
    const bool outermost = m_depth == 1;
    if (outermost && (option->state & State_HasFocus) && !option->rect.isEmpty()) {
        const bool button = face == Face::Button;
        // The text colour, not the highlight: a default button's outline is already drawn in the highlight colour.
        const QColor text = option->palette.color(button ? QPalette::ButtonText : QPalette::Text);
        const QColor base = option->palette.color(button ? QPalette::Button : QPalette::Base);
        // A picker's face is its text field, which its inner editor fills with the palette's base colour over
        // whatever the style drew there.
        const QColor shown = face == Face::Field ? base : drawnFace(option, base, draw);
        QColor ring = text;
        if (contrastRatio(text, shown) < 3.0)
            ring = contrastRatio(Qt::black, shown) >= contrastRatio(Qt::white, shown) ? QColor(Qt::black)
                                                                                      : QColor(Qt::white);
        painter->save();
        QPen pen(ring, width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
        painter->restore();
    }
    --m_depth;
}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element,
                                   const QStyleOption* option,
                                   QPainter* painter,
                                   const QWidget* widget) const
{
    if (element != PE_PanelLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    drawMarked(option, painter, Face::Drawn,
               [&](QPainter* target) { QProxyStyle::drawPrimitive(element, option, target, widget); });
}

void FocusMarkStyle::drawControl(ControlElement element,
                                 const QStyleOption* option,
                                 QPainter* painter,
                                 const QWidget* widget) const
{
    if (element != CE_PushButton) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    drawMarked(option, painter, Face::Button,
               [&](QPainter* target) { QProxyStyle::drawControl(element, option, target, widget); });
}

void FocusMarkStyle::drawComplexControl(ComplexControl control,
                                        const QStyleOptionComplex* option,
                                        QPainter* painter,
                                        const QWidget* widget) const
{
    if (control != CC_ComboBox) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    drawMarked(option, painter, Face::Field,
               [&](QPainter* target) { QProxyStyle::drawComplexControl(control, option, target, widget); });
}

} // namespace kalendix
