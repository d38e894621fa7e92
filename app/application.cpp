#include "application.h"

#include "platform_font.h"
#include "start_guard.h"

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
    m_look = Look::ofThisMachine();
    if (!m_look.coversCyrillic())
        reportMissingCyrillicFaces();
    useDialogFontWhereNoneIsGiven(*this, m_look);
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
