#include "millennium.h"

#include "calendar.h"
#include "number_text.h"

namespace kalendix {

namespace {

constexpr double thirdMillenniumStart = 36892;    // 1 January 2001
constexpr double secondMillenniumStart = -328351; // 1 January 1001

} // namespace

std::string printedNumber(double dayCount)
{
    return (dayCount < 0 ? "" : " ") + formatNumber(dayCount) + " ";
}

std::array<std::string, 2> millenniumLines(double today)
{
    return {
        "С начала третьего тысячелетия прошло " + printedNumber(dayDifference(today, thirdMillenniumStart)) + " дней",
        "С начала второго тысячелетия прошло " + printedNumber(dayDifference(today, secondMillenniumStart)) + " дней",
    };
}

} // namespace kalendix
