#include "platform.h"

#include <windows.h>

namespace kalendix::platform {

bool localCalendar(std::time_t instant, std::tm& local)
{
    return localtime_s(&local, &instant) == 0;
}

std::string userDecimalSeparator()
{
    // The C++ runtime here knows only the "C" locale; the regional settings hold what the user chose.
    wchar_t wide[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, 8) <= 1)
        return ".";
    char utf8[32] = {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return length > 1 ? std::string(utf8, static_cast<std::size_t>(length - 1)) : std::string(".");
}

} // namespace kalendix::platform
