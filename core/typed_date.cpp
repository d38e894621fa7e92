#include "typed_date.h"

#include "calendar.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

namespace kalendix {

namespace {

// The no-break spaces (U+00A0, and the narrow U+202F) are how word processors and web pages keep a date's parts
// together: a pasted date carries them where a typed one has a plain space.
constexpr std::string_view noBreakSpaces[] = {"\u00a0", "\u202f"};
constexpr std::string_view asciiSpace = " \t\r\n\v\f";

constexpr std::string_view separatorKeys[] = {".", ",", "/", "-", " ", "\u00a0", "\u202f", "ю", "б", "Ю", "Б"};

// The length of the separator at the start of the text, 0 when there is none.
std::size_t separatorAt(std::string_view text)
{
    for (const std::string_view separator : separatorKeys)
        if (text.substr(0, separator.size()) == separator)
            return separator.size();
    return 0;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The runs of digits between single separators; nothing when the text is written any other way.
std::optional<std::vector<std::string_view>> splitParts(std::string_view text)
{
    std::vector<std::string_view> parts;
    while (true) {
        std::size_t digits = 0;
        while (digits < text.size() && isDigit(text[digits]))
            ++digits;
        if (digits == 0)
            return std::nullopt;
        parts.push_back(text.substr(0, digits));
        text.remove_prefix(digits);
        if (text.empty())
            return parts;
        const std::size_t separator = separatorAt(text);
        if (separator == 0 || parts.size() == 3)
            return std::nullopt;
        text.remove_prefix(separator);
    }
}

int numberOf(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// A day or month: one or two digits.
std::optional<int> dayOrMonth(std::string_view digits)
{
    if (digits.size() > 2)
        return std::nullopt;
    return numberOf(digits);
}

// Two-digit years fall in 1930-2029, where desktop systems put them unless told otherwise.
std::optional<int> year(std::string_view digits)
{
    if (digits.size() == 4)
        return numberOf(digits);
    if (digits.size() > 2)
        return std::nullopt;
    const int value = numberOf(digits);
    return value < 30 ? 2000 + value : 1900 + value;
}

TypedDate judge(std::optional<int> day, std::optional<int> month, std::optional<int> year)
{
    if (!day || !month || !year)
        return {};
    const CalendarDate date{*year, *month, *day};
    if (!isCalendarDate(date.year, date.month, date.day))
        return {EntryVerdict::NoSuchDay, {}};
    const auto key = [](const CalendarDate& d) { return std::tie(d.year, d.month, d.day); };
    if (key(date) < key(earliestTypedDate) || key(date) > key(latestTypedDate))
        return {EntryVerdict::OutOfRange, {}};
    return {EntryVerdict::Date, date};
}

// A date copied from a page or a spreadsheet cell comes with spaces, a tab or a line end around it.
std::string_view trimmedWhiteSpace(std::string_view text)
{
    const auto spaceAtFront = [](std::string_view rest) -> std::size_t {
        if (!rest.empty() && asciiSpace.find(rest.front()) != std::string_view::npos)
            return 1;
        for (const std::string_view space : noBreakSpaces)
            if (rest.substr(0, space.size()) == space)
                return space.size();
        return 0;
    };
    const auto spaceAtBack = [](std::string_view rest) -> std::size_t {
        if (!rest.empty() && asciiSpace.find(rest.back()) != std::string_view::npos)
            return 1;
        for (const std::string_view space : noBreakSpaces)
            if (rest.size() >= space.size() && rest.substr(rest.size() - space.size()) == space)
                return space.size();
        return 0;
    };
    while (const std::size_t n = spaceAtFront(text))
        text.remove_prefix(n);
    while (const std::size_t n = spaceAtBack(text))
        text.remove_suffix(n);
    return text;
}

} // namespace

TypedDate readTypedDate(std::string_view text, DatePart begun, CalendarDate held)
{
    text = trimmedWhiteSpace(text);
    const auto parts = splitParts(text);
    if (!parts)
        return {};
    const std::vector<std::string_view>& p = *parts;
    if (p.size() == 3)
        return judge(dayOrMonth(p[0]), dayOrMonth(p[1]), year(p[2]));
    if (p.size() == 2)
        return judge(dayOrMonth(p[0]), dayOrMonth(p[1]), held.year);
    const std::string_view only = p[0];
    if (only.size() == 8 || only.size() == 6)
        return judge(numberOf(only.substr(0, 2)), numberOf(only.substr(2, 2)), year(only.substr(4)));
    switch (begun) {
    case DatePart::Day:
        return judge(dayOrMonth(only), held.month, held.year);
    case DatePart::Month:
        return judge(held.day, dayOrMonth(only), held.year);
    case DatePart::Year:
        break;
    }
    return judge(held.day, held.month, year(only));
}

DatePart partBefore(std::string_view textBefore)
{
    int separators = 0;
    while (!textBefore.empty() && separators < 2) {
        const std::size_t separator = separatorAt(textBefore);
        separators += separator > 0 ? 1 : 0;
        textBefore.remove_prefix(std::max<std::size_t>(separator, 1));
    }
    return static_cast<DatePart>(separators);
}

} // namespace kalendix
