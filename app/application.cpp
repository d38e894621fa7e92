#include "application.h"

#include "ui/look.h"
#include "ui/program_style.h"

namespace kalendix {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("kalendix"));
    setApplicationVersion(QStringLiteral(KALENDIX_VERSION));
    // Lets the desktop match the windows to the installed entry and its icon.
    setDesktopFileName(QStringLiteral(KALENDIX_APP_ID));
    // No program-wide icon: the About window carries none, and every other window names its own.
    chooseInstalledFaces();
    // Windows of the program's own that name no font (menus, the calendar, message boxes) take the windows' dialog
    // font rather than the desktop's, which no window otherwise shows and whose face would be loaded for it alone.
    // Windows has a menu font of its own, loaded by the system in any case, and its menus keep it.
#ifndef Q_OS_WIN
    setFont(dialogFont());
#endif
    setStyle(new ProgramStyle);
}

} // namespace kalendix
