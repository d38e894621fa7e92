#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace kalendix {

// Keeps a top-level window without an owner off the taskbar. Called as the window is about to be shown, each time.
void keepOffTaskbar(QWidget* window);

// The margins of the frame around a top-level window in the window system's own pixels, as it has told them for this
// window, or else as it last told them for another; nothing where it tells none itself and Qt's rounded figures are
// all there is. Asks without waiting.
std::optional<QMargins> frameMarginsTold(QWidget* window);

} // namespace kalendix
