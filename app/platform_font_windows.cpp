#include "platform_font.h"

namespace kalendix {

// Windows has a menu font of its own, loaded by the system in any case, and its menus keep it.
void useDialogFontWhereNoneIsGiven(QApplication& /*application*/, const Look& /*look*/) {}

} // namespace kalendix
