#include "focus_ring.h"

#include "look.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>

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

QColor FocusRing::measuredFace(QWidget* control)
{
    // The face as drawn, not as the palette says: native styles paint some controls in their own colours. It is
    // measured by drawing the control aside without the ring, which cannot happen while it paints.
    QImage image(control->size(), QImage::Format_RGB32);
    image.fill(control->palette().color(control->backgroundRole()));
    m_measuring = true;
    control->render(&image);
    m_measuring = false;
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    if (counts.isEmpty())
        return control->palette().color(control->backgroundRole());
    return QColor::fromRgb(std::max_element(counts.cbegin(), counts.cend()).key());
}

QColor FocusRing::colourOn(const QWidget* control) const
{
    const QColor face = m_faces.value(control, control->palette().color(control->backgroundRole()));
    // The text colour, not the highlight: a default button's outline is already drawn in the highlight colour.
    const QColor text = control->palette().color(control->foregroundRole());
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
    if (QWidget* control = controlOf(now))
        m_faces.insert(control, measuredFace(control));
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
    if (control->hasFocus() && !m_measuring) {
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
