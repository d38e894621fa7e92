#include "core/typed_date.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace kalendix;

constexpr CalendarDate held{2001, 1, 31};

TEST(TypedDate, ReadsEveryWayADateIsWritten)
{
    using enum EntryVerdict;
    using enum DatePart;
    const struct
    {
        const char* text;
        DatePart begun;
        EntryVerdict verdict;
        CalendarDate date;
    } cases[] = {
        // Every separator, and the Russian layout's keys for the full stop and the comma.
        {"15.03.1990", Day, Date, {1990, 3, 15}},
        {"15,03,1990", Day, Date, {1990, 3, 15}},
        {"15/03/1990", Day, Date, {1990, 3, 15}},
        {"15-03-1990", Day, Date, {1990, 3, 15}},
        {"15 03 1990", Day, Date, {1990, 3, 15}},
        {"1ю3ю1990", Day, Date, {1990, 3, 1}},
        {"1б3Б1990", Day, Date, {1990, 3, 1}},
        {"5.3.1990", Year, Date, {1990, 3, 5}},
        {"  15.03.1990 ", Day, Date, {1990, 3, 15}},
        {"\t15.03.1990\r\n", Day, Date, {1990, 3, 15}},
        // No-break spaces, as word processors and web pages write them, are spaces.
        {"15\u00a003\u00a01990", Day, Date, {1990, 3, 15}},
        {"15\u202f03\u202f1990", Day, Date, {1990, 3, 15}},
        {"\u00a015.03.1990\u202f", Day, Date, {1990, 3, 15}},
        {"15\u00a0\u00a003.1990", Day, NotADate, {}},
        {"\u00a0", Year, NotADate, {}},
        // Digits alone, and short years in 1930-2029.
        {"15031990", Month, Date, {1990, 3, 15}},
        {"150390", Day, Date, {1990, 3, 15}},
        {"150329", Day, Date, {2029, 3, 15}},
        {"15.03.30", Day, Date, {1930, 3, 15}},
        {"15.03.00", Day, Date, {2000, 3, 15}},
        {"15.03.7", Day, Date, {2007, 3, 15}},
        // Parts not typed come from the held date.
        {"15.03", Day, Date, {2001, 3, 15}},
        {"3", Day, Date, {2001, 1, 3}},
        {"3", Month, Date, {2001, 3, 31}},
        {"12", Month, Date, {2001, 12, 31}},
        {"1990", Year, Date, {1990, 1, 31}},
        {"90", Year, Date, {1990, 1, 31}},
        // Written some other way.
        {"15..03.1990", Day, NotADate, {}},
        {"1.5.3.1990", Day, NotADate, {}},
        {"15.03.199", Day, NotADate, {}},
        {"15.03.19900", Day, NotADate, {}},
        {"15.O3.1990", Day, NotADate, {}},
        {"15.03.1990г", Day, NotADate, {}},
        {".15.03.1990", Day, NotADate, {}},
        {"15.03.", Day, NotADate, {}},
        {"1503199", Day, NotADate, {}},
        {"150", Day, NotADate, {}},
        {"1503", Month, NotADate, {}},
        {"15\t03\t1990", Day, NotADate, {}},
        {"", Day, NotADate, {}},
        {"   ", Year, NotADate, {}},
        {" \n", Year, NotADate, {}},
        // Days the month lacks are refused, never cut to the month's end or carried into the next.
        {"31.04.2001", Day, NoSuchDay, {}},
        {"29.02.2001", Day, NoSuchDay, {}},
        {"29.02.1900", Day, NoSuchDay, {}},
        {"29.02.2000", Day, Date, {2000, 2, 29}},
        {"00.01.2001", Day, NoSuchDay, {}},
        {"01.13.2001", Day, NoSuchDay, {}},
        {"01.00.2001", Day, NoSuchDay, {}},
        {"4", Month, NoSuchDay, {}}, // the held 31st in April
        {"32", Day, NoSuchDay, {}},
        // The range the program counts from.
        {"01.01.1601", Day, Date, {1601, 1, 1}},
        {"31.12.1600", Day, OutOfRange, {}},
        {"31.12.9999", Day, Date, {9999, 12, 31}},
        {"01.01.0000", Day, OutOfRange, {}},
        {"1500", Year, OutOfRange, {}},
    };
    for (const auto& c : cases) {
        const TypedDate read = readTypedDate(c.text, c.begun, held);
        EXPECT_EQ(read.verdict, c.verdict) << '"' << c.text << '"';
        if (c.verdict == Date) {
            EXPECT_EQ(read.date, c.date) << '"' << c.text << '"';
        }
    }
}

TEST(TypedDate, PartBeforeTheCursor)
{
    using enum DatePart;
    const struct
    {
        const char* before;
        DatePart part;
    } cases[] = {
        {"", Day},          {"1", Day},       {"15", Day},        {"15.", Month},    {"15.0", Month}, {"15.03.", Year},
        {"15.03.19", Year}, {"15ю03б", Year}, {"15/03 19", Year}, {"1.2.3.4", Year}, {"15x03", Day},  {"ю", Month},
    };
    for (const auto& c : cases)
        EXPECT_EQ(partBefore(c.before), c.part) << c.before;
}

} // namespace
