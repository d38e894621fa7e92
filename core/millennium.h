#pragma once

#include <array>
#include <string>

namespace kalendix {

// A day count as the millennium window prints it: a leading space where a minus sign would stand, and a space after.
std::string printedNumber(double dayCount);

// The two lines of the millennium window for today's date value, without line ends.
std::array<std::string, 2> millenniumLines(double today);

} // namespace kalendix
