#pragma once

#include <string_view>

namespace kalendix {

struct CalendarDate
{
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

enum class DatePart { Day, Month, Year };

// What an entry turned out to be: a date, or why it is none.
enum class EntryVerdict {
    Date,
    NotADate,   // not written as a date: nothing, a letter, two separators in a row, a fourth part, a 3-digit year
    NoSuchDay,  // its month and year have no such day, or there is no such month
    OutOfRange, // a real day outside the dates the program counts from
};

struct TypedDate
{
    EntryVerdict verdict = EntryVerdict::NotADate;
    CalendarDate date; // meaningful only for EntryVerdict::Date
};

constexpr CalendarDate earliestTypedDate{1601, 1, 1};
constexpr CalendarDate latestTypedDate{9999, 12, 31};

// Reads a date typed, or pasted, as a whole (UTF-8), with any white space around it: day, month and year in that
// order, one separator between the parts (. , / - space, or the Russian letters ю and б on the keys that carry the
// full stop and the comma), or eight or six digits alone (ddmmyyyy, ddmmyy). A one- or two-digit year lies in
// 1930-2029. Parts not typed come from the held date: two parts are a day and month in the held year, and one part
// replaces only the part where typing began.
TypedDate readTypedDate(std::string_view text, DatePart begun, CalendarDate held);

// The part of a date that typing goes on in, after the text before the cursor (UTF-8): the day, and the month and
// the year after the first and the second separator.
DatePart partBefore(std::string_view textBefore);

} // namespace kalendix
