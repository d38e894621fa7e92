#pragma once

class QApplication;

namespace kalendix {

class Look;

// Windows of the program's own that name no font (menus, the calendar, message boxes) take the windows' dialog font
// where the platform offers none of its own for them, one file per platform.
void useDialogFontWhereNoneIsGiven(QApplication& application, const Look& look);

} // namespace kalendix
