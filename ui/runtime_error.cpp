#include "runtime_error.h"

#include "program_icon.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>
#include <stdexcept>

namespace kalendix {

namespace {

const QString boxName = QStringLiteral("runtimeError");

} // namespace

void reportFatalError(const std::exception_ptr& failure)
{
    // While the box is up, a further failure (a timer still ticking, say) must not stack another box on top of it.
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == boxName && window->isVisible())
            return;
    QMessageBox box(QMessageBox::Critical, errorBoxTitle(), describeFailure(failure), QMessageBox::Ok);
    box.setObjectName(boxName);
    box.setWindowIcon(programIcon());
    box.exec();
    // Ends the event loop, when it runs; a failure before it starts leaves main to return the status.
    QCoreApplication::exit(EXIT_FAILURE);
}

QString errorBoxTitle()
{
    return QStringLiteral("Kalendix v2.0");
}

QString describeFailure(const std::exception_ptr& failure)
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
