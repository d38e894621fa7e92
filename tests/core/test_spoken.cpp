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
        Figure unit;
        const char* figure;
        const char* word;
    } cases[] = {
        {Figure::Years, "1", "год"},
        {Figure::Years, "2", "года"},
        {Figure::Years, "5", "лет"},
        {Figure::Years, "0", "лет"},
        {Figure::Years, "11", "лет"},
        {Figure::Years, "12", "лет"},
        {Figure::Years, "14", "лет"},
        {Figure::Years, "21", "год"},
        {Figure::Years, "22", "года"},
        {Figure::Years, "111", "лет"},
        {Figure::Years, "112", "лет"},
        {Figure::Years, "101", "год"},
        {Figure::Months, "1", "месяц"},
        {Figure::Months, "3", "месяца"},
        {Figure::Months, "159", "месяцев"},
        {Figure::Weeks, "681", "неделя"},
        {Figure::Weeks, "4", "недели"},
        {Figure::Weeks, "13", "недель"},
        {Figure::Days, "21", "день"},
        {Figure::Days, "4770", "дней"},
        {Figure::Days, "1024", "дня"},
        {Figure::Hours, "1", "час"},
        {Figure::Hours, "114480", "часов"},
        {Figure::Hours, "23", "часа"},
        {Figure::Minutes, "1", "минута"},
        {Figure::Minutes, "42", "минуты"},
        {Figure::Minutes, "6868800", "минут"},
        {Figure::Seconds, "31", "секунда"},
        {Figure::Seconds, "3", "секунды"},
        {Figure::Seconds, "86400", "секунд"},
        // Negative figures by their absolute value.
        {Figure::Days, "-1", "день"},
        {Figure::Days, "-5", "дней"},
        {Figure::Hours, "-120", "часов"},
        {Figure::Days, "-2", "дня"},
        // A fraction, with either decimal separator, takes the singular's genitive.
        {Figure::Days, "2.5", "дня"},
        {Figure::Days, "1,5", "дня"},
        {Figure::Minutes, "0.5", "минуты"},
        // Text typed into a box that is no number.
        {Figure::Days, "", "дней"},
        {Figure::Days, "abc", "дней"},
        {Figure::Days, "1x", "дней"},
        {Figure::Days, "1.", "дней"},
        {Figure::Days, "-", "дней"},
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
