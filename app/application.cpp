#include "application.h"

#include "platform_font.h"
#include "start_guard.h"

#include "ui/accessibility.h"
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

// Qt's own words (the fields' context menus, the calendar's tooltips) in the windows' language: from Qt's
// translations where Qt is installed, or from the folder beside the program where it travels with it. Read the
// first time Qt asks for a word, not at start: the main window shows none of them, and the file costs about 80 KiB
// of memory once read.
class QtWordsTranslator final : public QTranslator
{
public:
    explicit QtWordsTranslator(QObject* parent)
        : QTranslator(parent)
    {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context,
                      const char* sourceText,
                      const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        // Qt asks which way the language reads as soon as a translator is installed. Russian reads left to right,
        // as an untranslated program does, so that question alone does not read the file.
        if (!m_read && qstrcmp(context, "QGuiApplication") == 0 && qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
            return {};
        if (!m_read) {
            m_read = true;
            for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")})
                if (m_words.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                                 QStringLiteral("_"), folder))
                    break;
        }
        return m_words.translate(context, sourceText, disambiguation, n);
    }

private:
    mutable QTranslator m_words;
    mutable bool m_read = false;
};

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
    installAccessibleInterfaces();
    installTranslator(new QtWordsTranslator(this));
}

} // namespace kalendix
