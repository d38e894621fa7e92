#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>

class QWidget;

namespace kalendix {

// Where a frame of this size lands in the area: where it was, when it fits; moved the least distance that makes it
// fit, when it is no larger than the area; at the area's top-left corner, when it is.
QPoint fittedTopLeft(const QRect& frame, const QRect& area);

// Puts a top-level window at its designed place, moved no further than its whole frame needs to fit the screen's
// available area. The place is worked out when the window is first shown, and once more when the window system has
// decorated it and its frame's margins are known; after that the window stays wherever the user moves it.
class ScreenPlacement final : public QObject
{
    Q_OBJECT

public:
    // The frame's designed rectangle, from the screen's geometry, its available area, the window's size inside its
    // frame and the frame's margins.
    using Design =
        std::function<QRect(const QRect& screen, const QRect& available, QSize size, const QMargins& margins)>;

    ScreenPlacement(QWidget* window, Design design);

    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMargins frameMargins() const;

    QWidget* m_window;
    Design m_design;
    QMargins m_placedWith;
    bool m_shown = false;
    bool m_awaitingFrame = false;
};

// The design of a window shown anew in the middle of the screen: its frame centred in the available area.
QRect centredFrame(const QRect& screen, const QRect& available, QSize size, const QMargins& margins);

} // namespace kalendix
