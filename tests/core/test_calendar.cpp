#include "core/calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

using namespace kalendix;

TEST(DateValue, RejectsDatesThatDoNotExist)
{
    const struct
    {
        int year, month, day;
    } cases[] = {{2001, 2, 29}, {1900, 2, 29}, {2001, 13, 1}, {2001, 0, 1}, {2001, 4, 31}, {2001, 1, 0}};
    for (const auto& c : cases)
        EXPECT_THROW(dateValue(c.year, c.month, c.day), std::invalid_argument) << c.year << "-" << c.month;
}

// Every day the program counts from or to, the eve of the second millennium included, against the standard
// library's own calendar.
TEST(DateValue, MatchesChrono)
{
    using namespace std::chrono;
    const sys_days epoch = year{1899} / December / 30;
    const sys_days first = year{1000} / December / 31;
    const sys_days last = year{9999} / December / 31;
    int mismatches = 0;
    for (sys_days day = first; day <= last; day += days{1}) {
        const year_month_day ymd{day};
        const double expected = static_cast<double>((day - epoch).count());
        const double actual =
            dateValue(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                      static_cast<int>(static_cast<unsigned>(ymd.day())));
        if (actual != expected && ++mismatches <= 5)
            ADD_FAILURE() << static_cast<int>(ymd.year()) << "-" << static_cast<unsigned>(ymd.month()) << "-"
                          << static_cast<unsigned>(ymd.day()) << ": " << actual << " != " << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

// The date a zone shows at an instant, including days that daylight saving time shortens, lengthens or starts at
// midnight, and the day Samoa skipped. The zones are IANA names in TZ, which only a POSIX C library reads; the Windows
// runtime would quietly use UTC and let some cases pass by chance, so there they are skipped, saying why.
TEST(LocalDate, IsTheCalendarDateOfTheZoneAtMidnight)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Windows C runtime reads no IANA zone names from TZ";
#else
    const struct
    {
        const char* zone;
        std::time_t instant;
        int year, month, day;
    } cases[] = {
        {"UTC", 0, 1970, 1, 1},
        {"UTC", 86399, 1970, 1, 1},
        {"UTC", 86400, 1970, 1, 2},
        {"Europe/Moscow", 1609448400, 2021, 1, 1},      // 2021-01-01 00:00 MSK
        {"Europe/Moscow", 1609448399, 2020, 12, 31},    // one second earlier
        {"America/Sao_Paulo", 1541300400, 2018, 11, 4}, // clocks jumped from 00:00 to 01:00
        {"America/Sao_Paulo", 1550368800, 2019, 2, 16}, // the repeated 23:00 when summer time ended
        {"America/Sao_Paulo", 1550372400, 2019, 2, 17},
        {"Pacific/Apia", 1325239200, 2011, 12, 31}, // 2011-12-30 never happened there
        {"Pacific/Apia", 1325239199, 2011, 12, 29},
        {"Asia/Kathmandu", 1704046500, 2024, 1, 1}, // 00:00 at UTC+05:45
        {"Asia/Kathmandu", 1704046499, 2023, 12, 31},
        {"Australia/Lord_Howe", 1696087800, 2023, 10, 1}, // half-hour shift at 02:00
        {"America/St_Johns", 1699155000, 2023, 11, 5},    // UTC-03:30, the day summer time ended
    };
    const char* zone = std::getenv("TZ");
    const std::optional<std::string> saved = zone ? std::optional<std::string>(zone) : std::nullopt;
    for (const auto& c : cases) {
        setenv("TZ", c.zone, 1);
        tzset();
        EXPECT_EQ(localDateValue(c.instant), dateValue(c.year, c.month, c.day)) << c.zone << " at " << c.instant;
    }
    if (saved)
        setenv("TZ", saved->c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
#endif
}

} // namespace
