#include "spoken.h"

#include "calendar.h"

#include <cmath>

namespace kalendix {

namespace {

struct WordForms
{
    const char* one;  // 1, 21, 101
    const char* few;  // 2-4, 22-24; and a number with a fraction
    const char* many; // 0, 5-20, 25-30, 11-14 in any hundred
};

constexpr WordForms formsOf(Figure figure)
{
    switch (figure) {
    case Figure::Years:
        return {"год", "года", "лет"};
    case Figure::Months:
        return {"месяц", "месяца", "месяцев"};
    case Figure::Weeks:
        return {"неделя", "недели", "недель"};
    case Figure::Days:
        return {"день", "дня", "дней"};
    case Figure::Hours:
        return {"час", "часа", "часов"};
    case Figure::Minutes:
        return {"минута", "минуты", "минут"};
    case Figure::Seconds:
        return {"секунда", "секунды", "секунд"};
    }
    return {"", "", ""};
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* formFor(const WordForms& forms, std::string_view figure)
{
    if (!figure.empty() && figure.front() == '-')
        figure.remove_prefix(1);
    std::size_t digits = 0;
    while (digits < figure.size() && isDigit(figure[digits]))
        ++digits;
    if (digits == 0)
        return forms.many;
    if (digits < figure.size()) {
        // Only a fraction after a decimal separator of either kind still reads as a number.
        const std::string_view rest = figure.substr(digits + 1);
        const bool fraction = (figure[digits] == '.' || figure[digits] == ',') && !rest.empty() &&
                              rest.find_first_not_of("0123456789") == std::string_view::npos;
        return fraction ? forms.few : forms.many;
    }
    const int lastTwo = (digits > 1 ? (figure[digits - 2] - '0') * 10 : 0) + (figure[digits - 1] - '0');
    const int last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return forms.many;
    if (last == 1)
        return forms.one;
    if (last >= 2 && last <= 4)
        return forms.few;
    return forms.many;
}

constexpr const char* monthsOf[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                    "июля",   "августа", "сентября", "октября", "ноября", "декабря"};

// From Saturday: day 0 of the date values, 30 December 1899, was one.
constexpr const char* weekdays[] = {"суббота", "воскресенье", "понедельник", "вторник", "среда", "четверг", "пятница"};

} // namespace

std::string unitWord(Figure figure, std::string_view number)
{
    return formFor(formsOf(figure), number);
}

std::string spokenFigures(const Figures& figures)
{
    std::string said = "Прошло:";
    for (const Figure figure : shownOrder) {
        const std::string& number = figures[indexOf(figure)];
        said += said.back() == ':' ? " " : ", ";
        said += number + " " + unitWord(figure, number);
    }
    return said;
}

std::string spokenDate(CalendarDate date)
{
    const double value = dateValue(date.year, date.month, date.day);
    const auto weekday = static_cast<int>(std::fmod(std::fmod(value, 7.0) + 7.0, 7.0));
    return std::to_string(date.day) + " " + monthsOf[date.month - 1] + " " + std::to_string(date.year) + ", " +
           weekdays[weekday];
}

} // namespace kalendix
