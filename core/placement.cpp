#include "placement.h"

#include <algorithm>

namespace kalendix {

int fittedStart(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace kalendix
