#include "result_box.h"

#include <QFont>

namespace kalendix {

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    // Numbers and plain Russian words need no shaping, and the line edit lays its whole text out again on every key:
    // for a pasted megabyte shaping alone would cost most of a key's time.
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::StyleStrategy(unshaped.styleStrategy() | QFont::PreferNoShaping));
    setFont(unshaped);
}

} // namespace kalendix
