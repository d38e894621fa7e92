#pragma once

#include <QRect>

namespace kalendix {

// Window layouts are designed in twips, 15 to a logical pixel; Qt scales logical pixels on high-DPI screens.
constexpr int fromTwips(int twips)
{
    return twips / 15;
}

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;

    constexpr QRect toPixels() const { return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)}; }
};

} // namespace kalendix
