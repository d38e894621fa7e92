#pragma once

class QWidget;

namespace kalendix {

// Keeps a top-level window without an owner off the taskbar. Called as the window is about to be shown, each time.
void keepOffTaskbar(QWidget* window);

} // namespace kalendix
