#include "start_failure.h"

#include <QString>

#include <cstdio>

namespace kalendix {

// Qt says it cannot connect when it tries; nothing beforehand tells more.
QString windowSystemMissing()
{
    return {};
}

QString windowSystemFailure()
{
    const QString platform = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QStringLiteral("xcb, wayland")
                                                                            : qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString reason =
        display.isEmpty() && wayland.isEmpty()
            ? QStringLiteral("Kalendix: окно не открыть — нет дисплея: не заданы ни DISPLAY, ни WAYLAND_DISPLAY "
                             "(платформа: %1).\n"
                             "Kalendix: cannot open a window: there is no display, neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set (platform: %1).")
                  .arg(platform)
            : QStringLiteral("Kalendix: окно не открыть — не удалось подключиться к дисплею (платформа: %1, "
                             "DISPLAY=%2, WAYLAND_DISPLAY=%3).\n"
                             "Kalendix: cannot open a window: could not connect to the display (platform: %1, "
                             "DISPLAY=%2, WAYLAND_DISPLAY=%3).")
                  .arg(platform, display, wayland);
    return reason + QStringLiteral("\n    Запустите программу в графическом сеансе или выберите платформу переменной "
                                   "QT_QPA_PLATFORM.\n"
                                   "    Start it in a desktop session, or choose a platform with QT_QPA_PLATFORM.");
}

void tellStartFailure(const QString& words)
{
    std::fputs(qUtf8Printable(words + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}

} // namespace kalendix
