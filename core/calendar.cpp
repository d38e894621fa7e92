#include "calendar.h"

#include "platform.h"

#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>

namespace kalendix {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's days_from_civil): exact for every year a
// date picker can hold, with no time zone and no seconds involved.
constexpr std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

constexpr std::int64_t epochOffset = daysFromCivil(1899, 12, 30);

} // namespace

bool isCalendarDate(int year, int month, int day)
{
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day <= (month == 2 && leap ? 29 : lengths[month - 1]);
}

double todayDate()
{
    return localDateValue(std::time(nullptr));
}

double localDateValue(std::time_t instant)
{
    std::tm local{};
    if (!platform::localCalendar(instant, local))
        throw std::runtime_error("системные часы не сообщают местную дату");
    // The calendar fields, never a difference of seconds: a day that daylight saving time shortens or a zone skips
    // still starts at 00:00.
    return dateValue(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

double dateValue(int year, int month, int day)
{
    if (!isCalendarDate(year, month, day))
        throw std::invalid_argument("такой даты нет: " + std::to_string(year) + "-" + std::to_string(month) + "-" +
                                    std::to_string(day));
    return static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                               epochOffset);
}

double dayDifference(double later, double earlier)
{
    return later - earlier;
}

} // namespace kalendix
