#include "result_box.h"

#include <QEvent>

namespace kalendix {

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    // The blink timer belongs to the line edit's inner text control, the one child object without a widget.
    for (QObject* part : children()) {
        if (!part->isWidgetType() && part->inherits("QWidgetLineControl")) {
            m_control = part;
            m_control->installEventFilter(this);
        }
    }
}

bool ResultBox::eventFilter(QObject* watched, QEvent* event)
{
    // Typing and focus changes light the cursor again through their own calls, never through a timer.
    if (watched == m_control && event->type() == QEvent::Timer && text().size() > steadyCursorLength)
        return true;
    return QLineEdit::eventFilter(watched, event);
}

} // namespace kalendix
