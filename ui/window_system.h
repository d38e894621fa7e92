#pragma once

#include <QMargins>

class QWidget;

namespace kalendix {

// Keeps a top-level window without an owner off the taskbar. Called as the window is about to be shown, each time.
void keepOffTaskbar(QWidget* window);

// The margins of the frame the window system will give a top-level window that is made but not yet shown, as far as
// it can tell in advance; none where it cannot.
QMargins frameMarginsBeforeShowing(QWidget* window);

} // namespace kalendix
