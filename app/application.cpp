#include "application.h"

#include "ui/look.h"

#include <QMessageBox>

#include <cstdlib>
#include <stdexcept>

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
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportFatalError(std::current_exception());
        return false;
    }
}

void Application::reportFatalError(const std::exception_ptr& failure)
{
    // While the box is up, further failures (a timer still ticking, say) must not stack boxes on top of it.
    if (m_failing)
        return;
    m_failing = true;
    QMessageBox box(QMessageBox::Critical, errorBoxTitle(), describe(failure), QMessageBox::Ok);
    box.setWindowIcon(programIcon());
    box.exec();
    exit(EXIT_FAILURE);
}

QString Application::errorBoxTitle()
{
    return QStringLiteral("Kalendix v2.0");
}

QString Application::describe(const std::exception_ptr& failure)
{
    const QString heading = QStringLiteral("Ошибка выполнения");
    try {
        std::rethrow_exception(failure);
    } catch (const std::overflow_error& error) {
        return heading + QStringLiteral(": переполнение.\n\n") + QString::fromUtf8(error.what());
    } catch (const std::exception& error) {
        return heading + QStringLiteral(".\n\n") + QString::fromUtf8(error.what());
    } catch (...) {
        return heading + QStringLiteral(": непредвиденная ошибка.");
    }
}

} // namespace kalendix
