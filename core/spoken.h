#pragma once

#include "statistics.h"
#include "typed_date.h"

#include <string>
#include <string_view>

// What the windows show, put as a Russian listener expects to hear it: each unit in the form its number takes.
namespace kalendix {

// The word for a figure's unit, for a number written as the boxes write it: "1 год", "2 года", "5 лет", "21 день", "11
// дней". The sign does not change the form; a number with a fraction takes the form of "2,5 года". A text that is no
// number takes the form of "5 лет".
std::string unitWord(Figure figure, std::string_view number);

// The seven figures said as the window shows them, top to bottom: "Прошло: 13 лет, 159 месяцев, 681 неделя, 4770 дней,
// 114480 часов, 6868800 минут, 412128000 секунд".
std::string spokenFigures(const Figures& figures);

// A day as a calendar's header and framed day show it: "9 января 2001, вторник".
std::string spokenDate(CalendarDate date);

} // namespace kalendix
