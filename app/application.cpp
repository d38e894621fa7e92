#include "application.h"

#include "start_guard.h"

#include "ui/look.h"
#include "ui/program_style.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalendix {

namespace {

// Runs before Qt's application object is made.
int& checkedBeforeQt(int& argc)
{
    beginStart();
    return argc;
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(checkedBeforeQt(argc), argv)
{
    endStart();
    setApplicationName(QStringLiteral("kalendix"));
    setApplicationVersion(QStringLiteral(KALENDIX_VERSION));
    // Lets the desktop match the windows to the installed entry and its icon.
    setDesktopFileName(QStringLiteral(KALENDIX_APP_ID));
    // No program-wide icon: the About window carries none, and every other window names its own.
    if (!chooseInstalledFaces())
        reportMissingCyrillicFaces();
        // Windows of the program's own that name no font (menus, the calendar, message boxes) take the windows' dialog
        // font rather than the desktop's, which no window otherwise shows and whose face would be loaded for it alone.
        // Windows has a menu font of its own, loaded by the system in any case, and its menus keep it.
#ifndef Q_OS_WIN
    setFont(dialogFont());
#endif
    setStyle(new ProgramStyle);
    // Qt's own words (the fields' context menus, the calendar's tooltips) in the windows' language: from Qt's
    // translations where Qt is installed, or from the folder beside the program where it travels with it.
    auto* translator = new QTranslator(this);
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                             folder)) {
            installTranslator(translator);
            break;
        }
    }
}

} // namespace kalendix
