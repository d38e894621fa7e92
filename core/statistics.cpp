#include "statistics.h"

#include "calendar.h"
#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kalendix {

namespace {

// A product too large for a double is an overflow, like any other.
double times(double days, double factor)
{
    const double product = days * factor;
    if (!std::isfinite(product))
        throw std::overflow_error("число слишком велико");
    return product;
}

} // namespace

std::string daysFigure(double today, double picked)
{
    return formatNumber(dayDifference(today, picked));
}

std::array<std::string, 6> derivedFigures(std::string_view daysText)
{
    const double days = leadingNumber(daysText);
    const std::int32_t wholeDays = roundToLong(days);
    return {
        formatNumber(times(days, 86400)),          // seconds
        formatNumber(times(days, 24)),             // hours
        formatNumber(times(days, 1440)),           // minutes
        formatLong(wholeQuotient(wholeDays, 365)), // years
        formatLong(wholeQuotient(wholeDays, 30)),  // months
        formatLong(wholeQuotient(wholeDays, 7)),   // weeks
    };
}

std::array<std::string, 7> computeFigures(double today, double picked)
{
    std::array<std::string, 7> figures;
    figures[0] = daysFigure(today, picked);
    const auto derived = derivedFigures(figures[0]);
    std::copy(derived.begin(), derived.end(), figures.begin() + 1);
    return figures;
}

} // namespace kalendix
