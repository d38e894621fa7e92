#pragma once

#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

namespace kalendix {

// Where a frame of this size lands in the area: where it was, when it fits; moved the least distance that makes it
// fit, when it is no larger than the area; at the area's top-left corner, when it is.
QPoint fittedTopLeft(const QRect& frame, const QRect& area);

// A window's designed frame, from its screen's geometry and available area, the window's size inside its frame and
// the frame's margins.
using FrameDesign =
    std::function<QRect(const QRect& screen, const QRect& available, QSize size, const QMargins& margins)>;

// Puts a top-level window at its designed place before it is first shown, moved no further than its whole frame
// needs to fit the screen's available area, by the best guess at the frame; and once more when it is first shown, by
// the frame the window system gave it. After that the window stays wherever the user moves it.
void placeWindow(QWidget* window, const FrameDesign& design);

// The design of a window shown anew in the middle of the screen: its frame centred in the available area.
QRect centredFrame(const QRect& screen, const QRect& available, QSize size, const QMargins& margins);

} // namespace kalendix
