#include "core/spoken.h"

#include "core/calendar.h"
#include "core/statistics.h"

#include <gtest/gtest.h>

namespace {

using namespace kalendix;

TEST(Spoken, UnitWordTakesTheFormOfItsNumber)
{
    const struct
    {
        Unit unit;
        const char* figure;
        const char* word;
    } cases[] = {
        {Unit::Years, "1", "год"},
        {Unit::Years, "2", "года"},
        {Unit::Years, "5", "лет"},
        {Unit::Years, "0", "лет"},
        {Unit::Years, "11", "лет"},
        {Unit::Years, "12", "лет"},
        {Unit::Years, "14", "лет"},
        {Unit::Years, "21", "год"},
        {Unit::Years, "22", "года"},
        {Unit::Years, "111", "лет"},
        {Unit::Years, "112", "лет"},
        {Unit::Years, "101", "год"},
        {Unit::Months, "1", "месяц"},
        {Unit::Months, "3", "месяца"},
        {Unit::Months, "159", "месяцев"},
        {Unit::Weeks, "681", "неделя"},
        {Unit::Weeks, "4", "недели"},
        {Unit::Weeks, "13", "недель"},
        {Unit::Days, "21", "день"},
        {Unit::Days, "4770", "дней"},
        {Unit::Days, "1024", "дня"},
        {Unit::Hours, "1", "час"},
        {Unit::Hours, "114480", "часов"},
        {Unit::Hours, "23", "часа"},
        {Unit::Minutes, "1", "минута"},
        {Unit::Minutes, "42", "минуты"},
        {Unit::Minutes, "6868800", "минут"},
        {Unit::Seconds, "31", "секунда"},
        {Unit::Seconds, "3", "секунды"},
        {Unit::Seconds, "86400", "секунд"},
        // Negative figures by their absolute value.
        {Unit::Days, "-1", "день"},
        {Unit::Days, "-5", "дней"},
        {Unit::Hours, "-120", "часов"},
        {Unit::Days, "-2", "дня"},
        // A fraction, with either decimal separator, takes the singular's genitive.
        {Unit::Days, "2.5", "дня"},
        {Unit::Days, "1,5", "дня"},
        {Unit::Minutes, "0.5", "минуты"},
        // Text typed into a box that is no number.
        {Unit::Days, "", "дней"},
        {Unit::Days, "abc", "дней"},
        {Unit::Days, "1x", "дней"},
        {Unit::Days, "1.", "дней"},
        {Unit::Days, "-", "дней"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unitWord(c.unit, c.figure), c.word) << c.figure;
}

TEST(Spoken, FiguresInTheWindowsOrder)
{
    EXPECT_EQ(spokenFigures(computeFigures(dateValue(2003, 4, 6), dateValue(1990, 3, 15))),
              "Прошло: 13 лет, 159 месяцев, 681 неделя, 4770 дней, 114480 часов, 6868800 минут, 412128000 секунд");
    EXPECT_EQ(spokenFigures(computeFigures(dateValue(2003, 4, 6), dateValue(2003, 4, 7))),
              "Прошло: 0 лет, 0 месяцев, 0 недель, -1 день, -24 часа, -1440 минут, -86400 секунд");
}

TEST(Spoken, DateWithItsMonthAndWeekday)
{
    const struct
    {
        CalendarDate date;
        const char* said;
    } cases[] = {
        {{2001, 1, 9}, "9 января 2001, вторник"},     {{1899, 12, 30}, "30 декабря 1899, суббота"},
        {{1601, 1, 1}, "1 января 1601, понедельник"}, {{9999, 12, 31}, "31 декабря 9999, пятница"},
        {{2026, 12, 9}, "9 декабря 2026, среда"},     {{2000, 2, 29}, "29 февраля 2000, вторник"},
        {{1990, 3, 15}, "15 марта 1990, четверг"},    {{2003, 4, 6}, "6 апреля 2003, воскресенье"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenDate(c.date), c.said) << c.said;
}

} // namespace
