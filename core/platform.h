#pragma once

#include <ctime>
#include <string>

// The two things the core asks of the operating system, one source file per system.
namespace kalendix::platform {

// The calendar fields of an instant in the user's time zone; false where the system cannot tell them.
bool localCalendar(std::time_t instant, std::tm& local);

// The decimal separator of the user's regional settings; "." where none can be read.
std::string userDecimalSeparator();

} // namespace kalendix::platform
