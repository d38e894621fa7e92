#pragma once

namespace kalendix {

// Where a top-level window's client area starts along one axis of the screen's available area, relative to the
// screen's origin: where the design puts it when its whole frame fits; moved the least distance that makes the frame
// fit when it is shorter than the area; the frame at the area's start when it is not. The client area's start and
// length and the area are logical pixels, which the window system scales by `ratio` into its own about the screen's
// origin, rounding each to the nearest (the area's as it rounds back); the frame's margins before and after the
// client area are the window system's pixels. Wherever rounding leaves a doubt, the frame is kept inside the area.
int fittedStart(int start, int length, int marginBefore, int marginAfter, int areaStart, int areaLength, double ratio);

// The most device pixels that round to this many logical ones: what a length the window system told only in logical
// pixels may have been.
int largestDeviceLength(int logicalLength, double ratio);

} // namespace kalendix
