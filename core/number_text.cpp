#include "number_text.h"

#include "platform.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace kalendix {

namespace {

bool isSkippedSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string formatNumber(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        throw std::domain_error("недопустимое число");
    char buffer[400];
    if (value == std::trunc(value)) {
        if (value == 0)
            return "0"; // negative zero included
        const auto result = std::to_chars(buffer, std::end(buffer), value, std::chars_format::fixed, 0);
        return std::string(buffer, result.ptr);
    }
    const auto result = std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // Exponents as the program has always shown them: 1E-05, not 1e-05.
    std::replace(text.begin(), text.end(), 'e', 'E');
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string formatNumber(double value)
{
    return formatNumber(value, localeDecimalSeparator());
}

std::string formatLong(std::int32_t value)
{
    return std::to_string(value);
}

double leadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    const auto peek = [&]() -> char {
        while (pos < text.size() && isSkippedSpace(text[pos]))
            ++pos;
        return pos < text.size() ? text[pos] : '\0';
    };

    std::string number;
    if (const char sign = peek(); sign == '+' || sign == '-') {
        if (sign == '-')
            number += '-';
        ++pos;
    }
    bool anyDigit = false;
    // Decimal exponent of the first significant digit, to tell an overflow from an underflow below.
    std::int64_t magnitude = 0;
    bool significant = false;
    for (char c = peek(); isDigit(c); c = peek()) {
        number += c;
        anyDigit = true;
        significant = significant || c != '0';
        if (significant)
            ++magnitude;
        ++pos;
    }
    if (peek() == '.') {
        ++pos;
        number += '.';
        for (char c = peek(); isDigit(c); c = peek()) {
            number += c;
            anyDigit = true;
            if (!significant && c != '0')
                significant = true;
            else if (!significant)
                --magnitude;
            ++pos;
        }
    }
    if (!anyDigit)
        return 0.0;

    std::int64_t exponent = 0;
    if (const char e = peek(); e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        ++pos;
        bool negative = false;
        if (const char sign = peek(); sign == '+' || sign == '-') {
            negative = sign == '-';
            ++pos;
        }
        // Saturate: an exponent this large overflows or underflows any double anyway.
        constexpr std::int64_t cap = 1'000'000'000;
        for (char c = peek(); isDigit(c); c = peek()) {
            exponent = std::min(cap, exponent * 10 + (c - '0'));
            ++pos;
        }
        if (negative)
            exponent = -exponent;
    }
    if (!significant)
        return number.front() == '-' ? -0.0 : 0.0;

    number += 'e';
    number += std::to_string(exponent);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude + exponent > 0)
            throw std::overflow_error("число слишком велико");
        return number.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

std::int32_t roundToLong(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    else if (!(fraction <= 0.5))
        rounded = std::numeric_limits<double>::quiet_NaN(); // NaN or an infinity
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw std::overflow_error("число не помещается в 32-разрядное целое");
    return static_cast<std::int32_t>(rounded);
}

std::int32_t wholeQuotient(std::int32_t dividend, std::int32_t divisor)
{
    if (divisor == 0)
        throw std::domain_error("деление на ноль");
    if (dividend == std::numeric_limits<std::int32_t>::min() && divisor == -1)
        throw std::overflow_error("частное не помещается в 32-разрядное целое");
    return dividend / divisor;
}

std::string localeDecimalSeparator()
{
    // Read once: the user's locale does not change while the program runs, and building a locale is slow.
    static const std::string separator = platform::userDecimalSeparator();
    return separator;
}

} // namespace kalendix
