#include "result_box.h"

#include <QFocusEvent>
#include <QFont>
#include <QGuiApplication>
#include <QStyleHints>

namespace kalendix {

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    // Numbers and plain Russian words need no shaping, and the line edit lays its whole text out again on every key:
    // for a pasted megabyte shaping alone would cost most of a key's time.
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    setFont(unshaped);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::updateBlinking);
}

ResultBox::~ResultBox()
{
    restoreBlinking();
}

void ResultBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    updateBlinking();
}

void ResultBox::focusOutEvent(QFocusEvent* event)
{
    restoreBlinking();
    QLineEdit::focusOutEvent(event);
}

void ResultBox::updateBlinking()
{
    if (!hasFocus() || text().size() <= longTextLength) {
        restoreBlinking();
        return;
    }
    if (m_savedFlashTime >= 0)
        return;
    QStyleHints* hints = QGuiApplication::styleHints();
    m_savedFlashTime = hints->cursorFlashTime();
    // The line edit follows the change at once, and a flash time of 0 keeps its cursor lit.
    hints->setCursorFlashTime(0);
}

void ResultBox::restoreBlinking()
{
    if (m_savedFlashTime < 0)
        return;
    QGuiApplication::styleHints()->setCursorFlashTime(m_savedFlashTime);
    m_savedFlashTime = -1;
}

} // namespace kalendix
