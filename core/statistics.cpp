#include "statistics.h"

#include "calendar.h"
#include "number_text.h"

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

Figures derivedFigures(std::string_view daysText)
{
    const double days = leadingNumber(daysText);
    const std::int32_t wholeDays = roundToLong(days);
    Figures figures;
    figures[indexOf(Figure::Days)] = daysText;
    figures[indexOf(Figure::Seconds)] = formatNumber(times(days, 86400));
    figures[indexOf(Figure::Hours)] = formatNumber(times(days, 24));
    figures[indexOf(Figure::Minutes)] = formatNumber(times(days, 1440));
    figures[indexOf(Figure::Years)] = formatLong(wholeQuotient(wholeDays, 365));
    figures[indexOf(Figure::Months)] = formatLong(wholeQuotient(wholeDays, 30));
    figures[indexOf(Figure::Weeks)] = formatLong(wholeQuotient(wholeDays, 7));
    return figures;
}

Figures computeFigures(double today, double picked)
{
    return derivedFigures(daysFigure(today, picked));
}

} // namespace kalendix
