#include "core/placement.h"

#include <gtest/gtest.h>

using namespace kalendix;

TEST(FittedStart, MovesAFrameNoFurtherThanItNeedsToFit)
{
    const struct
    {
        const char* name;
        int start, length, areaStart, areaLength;
        int expected;
        int marginBefore = 0, marginAfter = 0;
        double ratio = 1.0;
    } cases[] = {
        {"fits: stays", 357, 259, 0, 1280, 357},
        {"past the far edge: moved back to it", 1100, 259, 0, 1280, 1021},
        {"before the near edge: moved forward to it", -30, 259, 0, 1280, 0},
        {"as long as the area: at its start", 357, 1280, 0, 1280, 0},
        {"longer than the area: at its start", 357, 2000, 0, 1280, 0},
        {"area below a panel: kept under it", 10, 100, 28, 996, 28},
        {"screen left of the primary, fits", -1000, 259, -1920, 1920, -1000},
        {"screen left of the primary, past its far edge", -100, 259, -1920, 1920, -259},
        {"screen left of the primary, too long", -1000, 2000, -1920, 1920, -1920},
        // 151 and 249 logical pixels are 227 and 374 device ones: to 601 of the 600 that round to 400.
        {"at 1.5, ends on the far edge as logical pixels, past it as device ones: moved inside", 151, 249, 0, 400, 150,
         0, 0, 1.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittedStart(c.start, c.length, c.marginBefore, c.marginAfter, c.areaStart, c.areaLength, c.ratio),
                  c.expected)
            << c.name;
}
