#include "platform_font.h"

#include "ui/look.h"

#include <QApplication>

namespace kalendix {

// Rather than the desktop's font, which no window otherwise shows and whose face would be loaded for it alone.
void useDialogFontWhereNoneIsGiven(QApplication& application, const Look& look)
{
    application.setFont(look.dialogFont());
}

} // namespace kalendix
