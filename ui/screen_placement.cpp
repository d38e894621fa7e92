#include "screen_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kalendix {

QPoint fittedTopLeft(const QRect& frame, const QRect& area)
{
    const auto fit = [](int start, int length, int areaStart, int areaLength) {
        if (length >= areaLength)
            return areaStart;
        return std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    return {fit(frame.left(), frame.width(), area.left(), area.width()),
            fit(frame.top(), frame.height(), area.top(), area.height())};
}

QRect centredFrame(const QRect& /*screen*/, const QRect& available, QSize size, const QMargins& margins)
{
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size.grownBy(margins), available);
}

ScreenPlacement::ScreenPlacement(QWidget* window, Design design)
    : QObject(window)
    , m_window(window)
    , m_design(std::move(design))
{
    window->installEventFilter(this);
}

QMargins ScreenPlacement::frameMargins() const
{
    const QWindow* handle = m_window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void ScreenPlacement::apply()
{
    const QScreen* screen = m_window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QMargins margins = frameMargins();
    const QRect screenArea = screen ? screen->geometry() : QRect(QPoint(), m_window->size());
    const QRect available = screen ? screen->availableGeometry() : screenArea;
    QRect frame = m_design(screenArea, available, m_window->size(), margins);
    frame.moveTopLeft(fittedTopLeft(frame, available));
    m_window->setGeometry(frame.marginsRemoved(margins));
    m_placedWith = margins;
}

bool ScreenPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        // Shown by the program, not given back by the window system after a minimise: the place is the design's.
        if (!event->spontaneous() && !m_shown) {
            m_shown = true;
            apply();
            m_awaitingFrame = true;
        }
        break;
    // A window manager decorates the window after it is shown, often without moving its client area: the first
    // paint and activation come after that. Once the frame is known the window is the user's to move.
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
        if (m_awaitingFrame && frameMargins() != m_placedWith) {
            m_awaitingFrame = false;
            apply();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kalendix
