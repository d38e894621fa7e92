#include "platform.h"

#include <locale>
#include <stdexcept>

namespace kalendix::platform {

bool localCalendar(std::time_t instant, std::tm& local)
{
    return localtime_r(&instant, &local) != nullptr;
}

std::string userDecimalSeparator()
{
    try {
        const std::locale user("");
        return std::string(1, std::use_facet<std::numpunct<char>>(user).decimal_point());
    } catch (const std::runtime_error&) {
        // A locale named in the environment but not installed: the C locale's separator.
        return ".";
    }
}

} // namespace kalendix::platform
