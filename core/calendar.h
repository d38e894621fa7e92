#pragma once

#include <ctime>

// Date values count days from 30 December 1899 (day 0) on the proleptic Gregorian calendar, with the time of day as
// the fraction. Day counts are differences of date values. Both are plain doubles so that every figure the program
// shows can be reproduced digit for digit.
namespace kalendix {

// Today's local calendar date at 00:00; never carries a fraction.
double todayDate();

// The calendar date that the local time zone shows at an instant, at 00:00.
double localDateValue(std::time_t instant);

// Whether the month and the day exist in that year of the proleptic Gregorian calendar.
bool isCalendarDate(int year, int month, int day);

// Throws std::invalid_argument for a month or day that does not exist.
double dateValue(int year, int month, int day);

double dayDifference(double later, double earlier);

} // namespace kalendix
