#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers to text and back, as the program has always written and read them in its boxes.
namespace kalendix {

// Whole values as plain digits (no separators, no exponent); values with a fraction with at most 15 significant
// digits and the given decimal separator. Throws std::domain_error for infinities and NaN.
std::string formatNumber(double value, std::string_view decimalSeparator);

// As above, with the decimal separator of the user's locale.
std::string formatNumber(double value);

std::string formatLong(std::int32_t value);

// The number at the start of a text; 0 when there is none. Spaces, tabs and line feeds are skipped anywhere, only
// "." separates decimals, and the exponent is written with E or D. Throws std::overflow_error when the number is
// too large for a double.
double leadingNumber(std::string_view text);

// Nearest whole number, halves to even. Throws std::overflow_error outside the 32-bit range, NaN included.
std::int32_t roundToLong(double value);

// Whole-number division, the quotient truncated toward zero. Throws std::domain_error for a zero divisor and
// std::overflow_error for the one quotient that does not fit (INT32_MIN / -1).
std::int32_t wholeQuotient(std::int32_t dividend, std::int32_t divisor);

// The decimal separator of the user's locale as the environment gives it at the first call, "." when the locale
// cannot be read.
std::string localeDecimalSeparator();

} // namespace kalendix
