#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kalendix {

// The days figure as the days box shows it.
std::string daysFigure(double today, double picked);

// Seconds, hours, minutes, whole years, whole months and whole weeks, all read back from the days box's text, so
// that whatever that box shows is what the other six figures agree with. Years are 365 days and months 30.
// Throws std::overflow_error for a text whose number is too large for any of them.
std::array<std::string, 6> derivedFigures(std::string_view daysText);

// The seven texts in box order: days, seconds, hours, minutes, years, months, weeks.
std::array<std::string, 7> computeFigures(double today, double picked);

} // namespace kalendix
