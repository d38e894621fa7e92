#include "start_guard.h"

#include "start_failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace kalendix {

namespace {

// Below the first, the captions are too small to read; past the second, the main window alone outgrows any screen
// made. Outside them Qt may leave the window unshown, or the program running with no window at all.
constexpr double smallestScaleFactor = 0.5;
constexpr double largestScaleFactor = 16.0;

// Qt's message handler is one function for the whole process, with no place for state of its own.
QStringList& heldMessages()
{
    static QStringList messages;
    return messages;
}

QtMessageHandler previousHandler = nullptr;

void say(const QString& text)
{
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages() << qFormatLogMessage(type, context, message);
        return;
    }
    QString words = windowSystemFailure() + QStringLiteral("\nQt:");
    for (const QString& held : std::as_const(heldMessages()))
        words += QStringLiteral("\n    ") + held;
    words += QStringLiteral("\n    ") + qFormatLogMessage(type, context, message);
    tellStartFailure(words);
    // Nothing has gone wrong in the program: no abort, no core dump, and no exit handlers over a half-made Qt.
    std::_Exit(EXIT_FAILURE);
}

void dropUnusableScaleFactor()
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    const QByteArray given = qgetenv("QT_SCALE_FACTOR");
    // A Russian user writes a decimal comma, as the message below does; Qt reads only a point, so it is given one.
    QByteArray readable = given;
    if (readable.count(',') == 1 && !readable.contains('.'))
        readable.replace(',', '.');
    bool number = false;
    const double factor = readable.toDouble(&number);
    if (number && factor >= smallestScaleFactor && factor <= largestScaleFactor) {
        if (readable != given)
            qputenv("QT_SCALE_FACTOR", readable);
        return;
    }
    qunsetenv("QT_SCALE_FACTOR");
    say(QStringLiteral("Kalendix: QT_SCALE_FACTOR=«%1» пропущен: нужно число от 0,5 до 16.\n"
                       "Kalendix: QT_SCALE_FACTOR=\"%1\" ignored: it must be a number from 0.5 to 16.")
            .arg(QString::fromLocal8Bit(given)));
}

} // namespace

void beginStart()
{
    dropUnusableScaleFactor();
    const QString missing = windowSystemMissing();
    if (!missing.isEmpty()) {
        tellStartFailure(missing);
        std::exit(EXIT_FAILURE);
    }
    previousHandler = qInstallMessageHandler(holdMessage);
}

void endStart()
{
    qInstallMessageHandler(previousHandler);
    for (const QString& held : std::as_const(heldMessages()))
        say(held);
    heldMessages().clear();
}

void reportMissingCyrillicFaces()
{
    say(QStringLiteral("Kalendix: нет шрифтов PT Sans с кириллицей, которыми написаны окна: надписи выйдут другим "
                       "шрифтом или пустыми квадратами. Установите пакет fonts-paratype.\n"
                       "Kalendix: the PT Sans faces the windows are written in, with their Cyrillic letters, are "
                       "missing: captions will show in another face or as empty boxes. Install the fonts-paratype "
                       "package."));
}

} // namespace kalendix
