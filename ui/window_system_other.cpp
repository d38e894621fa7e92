#include "window_system.h"

#include <QWidget>
#include <QWindow>

namespace kalendix {

// No window system here tells an owner-less window's taskbar button apart.
void keepOffTaskbar(QWidget* /*window*/) {}

QMargins frameMarginsBeforeShowing(QWidget* window)
{
    // This window system decorates a window as it is made, and Qt knows the frame from then on.
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace kalendix
