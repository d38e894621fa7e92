#include "placement.h"

#include <algorithm>
#include <cmath>

namespace kalendix {

namespace {

// Both ways, a position or length is rounded to the nearest pixel, halves away from zero.
int toDevice(int logical, double ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

int toLogical(int device, double ratio)
{
    return static_cast<int>(std::lround(device / ratio));
}

// The first device pixel that rounds to this logical one or a later one.
int firstDevice(int logical, double ratio)
{
    int device = static_cast<int>(std::floor((logical - 0.5) * ratio)) - 1;
    while (toLogical(device, ratio) < logical)
        ++device;
    return device;
}

// The first logical position that lands on this device pixel or a later one.
int firstLogical(int device, double ratio)
{
    int logical = static_cast<int>(std::floor(device / ratio)) - 1;
    while (toDevice(logical, ratio) < device)
        ++logical;
    return logical;
}

} // namespace

int largestDeviceLength(int logicalLength, double ratio)
{
    return firstDevice(logicalLength + 1, ratio) - 1;
}

int fittedStart(int start, int length, int marginBefore, int marginAfter, int areaStart, int areaLength, double ratio)
{
    // The device area is known only as it rounds: its start as late and its end as early as that allows.
    const int nearEdge = firstDevice(areaStart + 1, ratio) - 1;
    const int farEdge = firstDevice(areaStart, ratio) + firstDevice(areaLength, ratio);
    const int frameLength = marginBefore + toDevice(length, ratio) + marginAfter;
    const int frameStart = toDevice(start, ratio) - marginBefore;
    const int atNearEdge = firstLogical(nearEdge + marginBefore, ratio);
    if (frameLength >= farEdge - nearEdge || frameStart < nearEdge)
        return atNearEdge;
    if (frameStart + frameLength <= farEdge)
        return start;
    // The last logical start whose frame ends by the far edge; where rounding leaves none past the near edge, the
    // near edge wins.
    return std::max(firstLogical(farEdge - frameLength + marginBefore + 1, ratio) - 1, atNearEdge);
}

} // namespace kalendix
