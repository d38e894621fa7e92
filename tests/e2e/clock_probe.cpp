// Prints what the core makes of this process's clock, zone and locale, for the end-to-end scripts:
//   clock_probe PICKED [TODAY]     dates as YYYY-MM-DD; TODAY defaults to the clock's local date
#include "core/calendar.h"
#include "core/number_text.h"
#include "core/statistics.h"

#include <cstdio>
#include <ctime>
#include <exception>
#include <stdexcept>

namespace {

double parseDate(const char* text)
{
    int year = 0;
    int month = 0;
    int day = 0;
    if (std::sscanf(text, "%d-%d-%d", &year, &month, &day) != 3)
        throw std::invalid_argument("expected YYYY-MM-DD");
    return kalendix::dateValue(year, month, day);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: clock_probe PICKED [TODAY]\n");
        return 2;
    }
    try {
        const std::time_t epoch = std::time(nullptr);
        const double today = argc > 2 ? parseDate(argv[2]) : kalendix::todayDate();
        std::printf("epoch %lld\ntoday %s\nfigures", static_cast<long long>(epoch),
                    kalendix::formatNumber(today, ".").c_str());
        for (const auto& figure : kalendix::computeFigures(today, parseDate(argv[1])))
            std::printf(" %s", figure.c_str());
        std::printf("\nseparator %s\nfraction %s\nreads %s %s\n", kalendix::localeDecimalSeparator().c_str(),
                    kalendix::formatNumber(12.5).c_str(),
                    kalendix::formatNumber(kalendix::leadingNumber("12,5")).c_str(),
                    kalendix::formatNumber(kalendix::leadingNumber("12.5"), ".").c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "clock_probe: %s\n", error.what());
        return 1;
    }
    return 0;
}
