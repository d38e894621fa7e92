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
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittedStart(c.start, c.length, c.areaStart, c.areaLength), c.expected) << c.name;
}
