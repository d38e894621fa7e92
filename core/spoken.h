#pragma once

#include "typed_date.h"

#include <array>
#include <string>
#include <string_view>

// What the windows show, put as a Russian listener expects to hear it: each unit in the form its number takes.
namespace kalendix {

enum class Unit { Years, Months, Weeks, Days, Hours, Minutes, Seconds };

// The unit's word for a number written as the boxes write it: "1 год", "2 года", "5 лет", "21 день", "11 дней".
// The sign does not change the form; a number with a fraction takes the form of "2,5 года". A text that is no
// number takes the form of "5 лет".
std::string unitWord(Unit unit, std::string_view figure);

// The seven figures in box order (days, seconds, hours, minutes, years, months, weeks), said as the window shows them,
// top to bottom: "Прошло: 13 лет, 159 месяцев, 681 неделя, 4770 дней, 114480 часов, 6868800 минут, 412128000 секунд".
std::string spokenFigures(const std::array<std::string, 7>& figures);

// A day as a calendar's header and framed day show it: "9 января 2001, вторник".
std::string spokenDate(CalendarDate date);

} // namespace kalendix
