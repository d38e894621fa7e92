#include "screen_placement.h"

#include "window_system.h"

#include "core/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace kalendix {

QPoint fittedTopLeft(const QRect& frame, const QRect& area)
{
    return {fittedStart(frame.left(), frame.width(), area.left(), area.width()),
            fittedStart(frame.top(), frame.height(), area.top(), area.height())};
}

QRect centredFrame(const QRect& /*screen*/, const QRect& available, QSize size, const QMargins& margins)
{
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size.grownBy(margins), available);
}

void placeWindow(QWidget* window, const FrameDesign& design)
{
    // The platform window is made here rather than when shown, so that the window system can tell its frame.
    window->winId();
    const QMargins margins = frameMarginsBeforeShowing(window);
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->geometry() : QRect(QPoint(), window->size());
    const QRect available = screen ? screen->availableGeometry() : screenArea;
    QRect frame = design(screenArea, available, window->size(), margins);
    frame.moveTopLeft(fittedTopLeft(frame, available));
    window->setGeometry(frame.marginsRemoved(margins));
}

} // namespace kalendix
