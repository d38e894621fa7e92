#pragma once

namespace kalendix {

// Where a window's frame starts along one axis of the screen's available area: where the design puts it when it
// fits; moved the least distance that makes it fit when it is shorter than the area; at the area's start when it is
// not. Coordinates may be negative, as on a screen left of or above the primary one.
int fittedStart(int start, int length, int areaStart, int areaLength);

} // namespace kalendix
