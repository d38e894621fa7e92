#include "core/statistics.h"

#include "core/calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace kalendix;

TEST(ComputeFigures, Examples)
{
    const struct
    {
        const char* name;
        double today, picked;
        Figures expected;
    } cases[] = {
        {"2001-01-01 to 2003-04-06",
         dateValue(2003, 4, 6),
         dateValue(2001, 1, 1),
         {"825", "71280000", "19800", "1188000", "2", "27", "117"}},
        {"widest span",
         dateValue(9999, 12, 31),
         dateValue(1601, 1, 1),
         {"3067670", "265046688000", "73624080", "4417444800", "8404", "102255", "438238"}},
        {"widest span backwards",
         dateValue(1601, 1, 1),
         dateValue(9999, 12, 31),
         {"-3067670", "-265046688000", "-73624080", "-4417444800", "-8404", "-102255", "-438238"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(computeFigures(c.today, c.picked), c.expected) << c.name;
}

// Over a spread of dates, the figures agree with whole-number arithmetic done independently of the text round trip.
TEST(ComputeFigures, AgreesWithIntegerArithmeticOverASpread)
{
    const double first = dateValue(1601, 1, 1);
    const double last = dateValue(9999, 12, 31);
    for (double today = first; today <= last; today += 7919) {
        for (double picked = first; picked <= last; picked += 104729) {
            const auto days = static_cast<std::int64_t>(today - picked);
            const Figures expected = {
                std::to_string(days),        std::to_string(days * 86400), std::to_string(days * 24),
                std::to_string(days * 1440), std::to_string(days / 365),   std::to_string(days / 30),
                std::to_string(days / 7),
            };
            ASSERT_EQ(computeFigures(today, picked), expected) << today << " " << picked;
        }
    }
}

// What the user typed into the days box is only ever replaced, but the derivation itself follows the box's text.
TEST(DerivedFigures, FollowTheDaysText)
{
    const struct
    {
        const char* daysText;
        Figures expected;
    } cases[] = {
        {"12,5", {"12,5", "1036800", "288", "17280", "0", "0", "1"}},
        {"2.5", {"2.5", "216000", "60", "3600", "0", "0", "0"}},
        {"3.5", {"3.5", "302400", "84", "5040", "0", "0", "0"}},
        {"", {"", "0", "0", "0", "0", "0", "0"}},
        {"дней", {"дней", "0", "0", "0", "0", "0", "0"}},
        {"-7 30", {"-7 30", "-63072000", "-17520", "-1051200", "-2", "-24", "-104"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(derivedFigures(c.daysText), c.expected) << '"' << c.daysText << '"';
}

TEST(DerivedFigures, ADaysTextBeyondThirtyTwoBitsOverflows)
{
    EXPECT_THROW(derivedFigures("2147483648"), std::overflow_error);
    EXPECT_THROW(derivedFigures("1E309"), std::overflow_error);
    EXPECT_THROW(derivedFigures("1E306"), std::overflow_error); // finite, but not in seconds
}

} // namespace
