#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kalendix {

// The seven figures of a run, in the order they are computed and numbered: the boxes T1 to T7 hold them in this order.
enum class Figure { Days, Seconds, Hours, Minutes, Years, Months, Weeks };

inline constexpr std::size_t figureCount = 7;

// Top to bottom, as the window shows the figures and a listener hears them.
inline constexpr std::array<Figure, figureCount> shownOrder = {
    Figure::Years, Figure::Months, Figure::Weeks, Figure::Days, Figure::Hours, Figure::Minutes, Figure::Seconds};

// The seven figures' texts, indexed by Figure.
using Figures = std::array<std::string, figureCount>;

constexpr std::size_t indexOf(Figure figure)
{
    return static_cast<std::size_t>(figure);
}

// The days figure as the days box shows it.
std::string daysFigure(double today, double picked);

// The days box's text with the six figures read back from it, so that whatever that box shows is what the other six
// agree with. Years are 365 days and months 30. Throws std::overflow_error for a text whose number is too large for
// any of them.
Figures derivedFigures(std::string_view daysText);

// The seven texts of a run from the day picked to today.
Figures computeFigures(double today, double picked);

} // namespace kalendix
