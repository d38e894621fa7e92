// libFuzzer target: any text a user could type or paste into the days box, and any pair of dates the picker and the
// clock can give.
#include "core/calendar.h"
#include "core/number_text.h"
#include "core/statistics.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace {

using kalendix::Figure;
using kalendix::indexOf;
using kalendix::shownOrder;

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void roundTrip(double value)
{
    // What the boxes show is what is read back: whole numbers exactly, fractions to their 15 digits.
    const double reread = kalendix::leadingNumber(kalendix::formatNumber(value, "."));
    if (value == std::trunc(value))
        check(reread == value);
    else
        check(std::fabs(reread - value) <= 1e-14 * std::fabs(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    try {
        const double value = kalendix::leadingNumber(text);
        check(std::isfinite(value));
        roundTrip(value);
    } catch (const std::overflow_error&) {
        // Numbers beyond a double are refused, as they must be.
    }

    try {
        const auto figures = kalendix::derivedFigures(text);
        check(figures[indexOf(Figure::Days)] == text);
        for (const Figure derived : shownOrder)
            check(derived == Figure::Days || !figures[indexOf(derived)].empty());
    } catch (const std::overflow_error&) {
    }

    if (size >= 8) {
        std::uint32_t a = 0;
        std::uint32_t b = 0;
        std::memcpy(&a, data, 4);
        std::memcpy(&b, data + 4, 4);
        const double first = kalendix::dateValue(1601, 1, 1);
        const double span = kalendix::dateValue(9999, 12, 31) - first + 1;
        const double today = first + std::fmod(a, span);
        const double picked = first + std::fmod(b, span);
        const auto figures = kalendix::computeFigures(today, picked);
        check(kalendix::leadingNumber(figures[indexOf(Figure::Days)]) == today - picked);
        check(figures[indexOf(Figure::Seconds)] == kalendix::formatNumber((today - picked) * 86400, "."));
    }
    return 0;
}
