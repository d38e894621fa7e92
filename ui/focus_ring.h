#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace kalendix {

// Draws a ring inside the edge of whichever of its controls has the keyboard focus. The styles mark a focused button
// with a dotted line or not at all, which a user does not find at a glance; the ring contrasts with the control's
// face at least 3:1, on light and dark palettes alike.
class FocusRing final : public QObject
{
    Q_OBJECT

public:
    FocusRing(const QList<QWidget*>& controls, QObject* parent);

    static constexpr int width = 2;

    // The ring's colour on a control: its text colour where that stands out from its face, else black or white.
    QColor colourOn(const QWidget* control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(QWidget* old, QWidget* now);
    QWidget* controlOf(QWidget* widget) const;
    QColor measuredFace(QWidget* control);

    QList<QPointer<QWidget>> m_controls;
    QHash<const QWidget*, QColor> m_faces;
    bool m_measuring = false;
};

} // namespace kalendix
