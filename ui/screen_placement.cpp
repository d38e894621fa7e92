#include "screen_placement.h"

#include "window_system.h"

#include "core/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <utility>

namespace kalendix {

namespace {

// The frame's margins in the window system's pixels: as it told them, or else each as large as Qt's rounded figure
// allows. Before a first showing where neither knows them yet, the style's own title bar and border stand in: a
// guess that errs large rather than leave the frame off the screen until it is known.
QMargins deviceFrameMargins(QWidget* window, qreal ratio, bool shown)
{
    if (const std::optional<QMargins> told = frameMarginsTold(window))
        return *told;
    const QMargins known = window->windowHandle()->frameMargins();
    if (!known.isNull() || shown) {
        const auto largest = [ratio](int side) { return largestDeviceLength(side, ratio); };
        return {largest(known.left()), largest(known.top()), largest(known.right()), largest(known.bottom())};
    }
    const QStyle* style = window->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const auto device = [ratio](int side) { return static_cast<int>(std::ceil(side * ratio)); };
    return {device(border), device(border + title), device(border), device(border)};
}

void place(QWidget* window, const FrameDesign& design, bool shown)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->geometry() : QRect(QPoint(), window->size());
    const QRect available = screen ? screen->availableGeometry() : screenArea;
    const qreal ratio = window->devicePixelRatioF();
    const QMargins device = deviceFrameMargins(window, ratio, shown);
    const auto logical = [ratio](int side) { return static_cast<int>(std::ceil(side / ratio)); };
    const QMargins margins(logical(device.left()), logical(device.top()), logical(device.right()),
                           logical(device.bottom()));
    const QSize size = window->size();
    // The window system scales places about the screen's origin, and rounds them there.
    const QPoint origin = screenArea.topLeft();
    const QPoint client =
        design(screenArea, available, size, margins).topLeft() + QPoint(margins.left(), margins.top()) - origin;
    const QRect area = available.translated(-origin);
    const QPoint fitted(
        fittedStart(client.x(), size.width(), device.left(), device.right(), area.left(), area.width(), ratio),
        fittedStart(client.y(), size.height(), device.top(), device.bottom(), area.top(), area.height(), ratio));
    window->setGeometry(QRect(origin + fitted, size));
}

// Places the window once more as it is first shown, when the window system has given it its frame; then leaves.
class FirstShowPlacement final : public QObject
{
public:
    FirstShowPlacement(QWidget* window, FrameDesign design)
        : QObject(window)
        , m_window(window)
        , m_design(std::move(design))
    {
        window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            place(m_window, m_design, true);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
    FrameDesign m_design;
};

} // namespace

QPoint fittedTopLeft(const QRect& frame, const QRect& area)
{
    return {fittedStart(frame.left(), frame.width(), 0, 0, area.left(), area.width(), 1.0),
            fittedStart(frame.top(), frame.height(), 0, 0, area.top(), area.height(), 1.0)};
}

QRect centredFrame(const QRect& /*screen*/, const QRect& available, QSize size, const QMargins& margins)
{
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size.grownBy(margins), available);
}

void placeWindow(QWidget* window, const FrameDesign& design)
{
    // The platform window is made here rather than when shown, so that the window system can tell its frame and the
    // first showing can be watched.
    window->winId();
    place(window, design, false);
    new FirstShowPlacement(window, design);
}

} // namespace kalendix
