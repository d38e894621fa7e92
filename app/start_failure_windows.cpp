#include "start_failure.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>

#include <windows.h>

#include <cstdio>
#include <string>

namespace kalendix {

namespace {

// The program's folder, known before Qt is made, when Qt cannot yet tell it.
QString programFolder()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return QFileInfo(QString::fromStdWString(path)).absolutePath();
}

// The platform plugin Qt will load: the one QT_QPA_PLATFORM names (options after a colon), Windows' own by default.
QString pluginFile()
{
    const QString named = qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0).trimmed();
    return QStringLiteral("q%1.dll").arg(named.isEmpty() ? QStringLiteral("windows") : named);
}

QString besideTheProgram()
{
    return QDir::toNativeSeparators(programFolder() + QStringLiteral("/platforms"));
}

} // namespace

// Qt would say so itself, but in an English box of its own, before any message of the program's could follow.
QString windowSystemMissing()
{
    QStringList folders;
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM_PLUGIN_PATH"))
        folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString& folder : qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(';'), Qt::SkipEmptyParts))
        folders << folder + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms")
            << programFolder() + QStringLiteral("/platforms");
    const QString file = pluginFile();
    for (const QString& folder : std::as_const(folders))
        if (QFileInfo::exists(folder + QLatin1Char('/') + file))
            return {};
    return QStringLiteral("Kalendix: окно не открыть — нет модуля платформы Qt %1 в папке %2. Переустановите "
                          "программу.\n\n"
                          "Kalendix: cannot open a window: the Qt platform plugin %1 is missing from the folder %2. "
                          "Reinstall the program.")
        .arg(file, besideTheProgram());
}

QString windowSystemFailure()
{
    return QStringLiteral("Kalendix: окно не открыть — Qt не смог запустить модуль платформы %1 из папки %2. "
                          "Переустановите программу.\n\n"
                          "Kalendix: cannot open a window: Qt could not start the platform plugin %1 from the folder "
                          "%2. Reinstall the program.")
        .arg(pluginFile(), besideTheProgram());
}

void tellStartFailure(const QString& words)
{
    std::fputs(qUtf8Printable(words + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(words.utf16()), L"Kalendix",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace kalendix
