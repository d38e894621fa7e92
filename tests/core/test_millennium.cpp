#include "core/millennium.h"

#include "core/calendar.h"

#include <gtest/gtest.h>

namespace {

using namespace kalendix;

TEST(MillenniumLines, Examples)
{
    const struct
    {
        const char* name;
        double today;
        std::array<std::string, 2> expected;
    } cases[] = {
        {"2026-12-06",
         dateValue(2026, 12, 6),
         {"С начала третьего тысячелетия прошло  9470  дней", "С начала второго тысячелетия прошло  374713  дней"}},
        {"2001-01-01",
         dateValue(2001, 1, 1),
         {"С начала третьего тысячелетия прошло  0  дней", "С начала второго тысячелетия прошло  365243  дней"}},
        {"2000-12-31",
         dateValue(2000, 12, 31),
         {"С начала третьего тысячелетия прошло -1  дней", "С начала второго тысячелетия прошло  365242  дней"}},
        {"1001-01-01",
         dateValue(1001, 1, 1),
         {"С начала третьего тысячелетия прошло -365243  дней", "С начала второго тысячелетия прошло  0  дней"}},
        {"1000-12-31",
         dateValue(1000, 12, 31),
         {"С начала третьего тысячелетия прошло -365244  дней", "С начала второго тысячелетия прошло -1  дней"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(millenniumLines(c.today), c.expected) << c.name;
}

} // namespace
