#include "focus_ring.h"

#include "look.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace kalendix {

FocusRing::FocusRing(const QList<QWidget*>& controls, QObject* parent)
    : QObject(parent)
{
    for (QWidget* control : controls) {
        m_controls.append(control);
        control->installEventFilter(this);
    }
    // A picker keeps the focus in an inner editor, which the control itself never hears about.
    connect(qApp, &QApplication::focusChanged, this, &FocusRing::focusChanged);
}

QColor FocusRing::colourOn(const QWidget* control)
{
    // The text colour, not the highlight: a default button's outline is already drawn in the highlight colour.
    const QPalette& colours = control->palette();
    const QColor face = colours.color(control->backgroundRole());
    const QColor text = colours.color(control->foregroundRole());
    if (contrastRatio(text, face) >= 3.0)
        return text;
    return contrastRatio(Qt::black, face) >= contrastRatio(Qt::white, face) ? QColor(Qt::black) : QColor(Qt::white);
}

QWidget* FocusRing::controlOf(QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget())
        if (m_controls.contains(widget))
            return widget;
    return nullptr;
}

void FocusRing::focusChanged(QWidget* old, QWidget* now)
{
    for (QWidget* widget : {old, now})
        if (QWidget* control = controlOf(widget))
            control->update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    auto* control = static_cast<QWidget*>(watched);
    // The control paints itself first; the ring goes on top, inside its edge.
    static_cast<QObject*>(control)->event(event);
    if (control->hasFocus()) {
        QPainter painter(control);
        QPen pen(colourOn(control), width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(control->rect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }
    return true;
}

} // namespace kalendix
