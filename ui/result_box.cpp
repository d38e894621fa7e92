#include "result_box.h"

#include <QEvent>
#include <QFont>

namespace kalendix {

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    // Numbers and plain Russian words need no shaping, and the line edit shapes its whole text again on every key:
    // for a pasted megabyte that alone costs most of a key's time.
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    setFont(unshaped);

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
