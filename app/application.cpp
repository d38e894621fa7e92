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
    installFontSubstitutes();
    setStyle(new ProgramStyle);
}

} // namespace kalendix
