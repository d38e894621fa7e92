#pragma once

#include "app/application.h"
#include "core/calendar.h"
#include "core/millennium.h"
#include "core/statistics.h"
#include "ui/clock.h"
#include "ui/colours.h"
#include "ui/look.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QDebug>
#include <QHash>
#include <QImage>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <memory>

namespace kalendix::test {

// A clock the test sets; the windows never see the machine's date.
struct FixedClock
{
    std::shared_ptr<double> today = std::make_shared<double>(dateValue(2003, 4, 6));

    Clock clock() const
    {
        return [today = today] { return *today; };
    }
    void set(int year, int month, int day) const { *today = dateValue(year, month, day); }
};

// The look the program's application object found for the windows.
inline const Look& programLook()
{
    return static_cast<const Application*>(QCoreApplication::instance())->look();
}

// What core computes for the boxes T1..T7 or the millennium lines: the figures themselves are checked in core's
// tables, the windows only show them.
inline QStringList coreFigures(QDate picked, QDate today)
{
    QStringList figures;
    for (const std::string& figure : computeFigures(dateValue(today.year(), today.month(), today.day()),
                                                    dateValue(picked.year(), picked.month(), picked.day())))
        figures << QString::fromStdString(figure);
    return figures;
}

inline QStringList coreMillenniumLines(QDate today)
{
    QStringList lines;
    for (const std::string& line : millenniumLines(dateValue(today.year(), today.month(), today.day())))
        lines << QString::fromStdString(line);
    return lines;
}

inline QString nameOf(const char* name)
{
    return QString::fromUtf8(name);
}

inline QString nameOf(const QString& name)
{
    return name;
}

// Whether a control with the focus shows a mark a user sees at a glance: along its whole edge, pixels that changed
// with the focus and contrast at least 3:1 with the control's face, its most common colour.
inline bool showsFocusMark(QWidget* control)
{
    control->clearFocus();
    const QImage unfocused = control->grab().toImage();
    control->setFocus();
    const QImage focused = control->grab().toImage();
    if (focused.size() != unfocused.size() || !control->hasFocus())
        return false;
    QHash<QRgb, int> counts;
    for (int y = 0; y < unfocused.height(); ++y)
        for (int x = 0; x < unfocused.width(); ++x)
            ++counts[unfocused.pixel(x, y)];
    const QColor face = QColor::fromRgb(std::max_element(counts.cbegin(), counts.cend()).key());
    const int right = focused.width() - 1;
    const int bottom = focused.height() - 1;
    const QPoint edge[] = {{right / 2, 0}, {right / 2, bottom}, {0, bottom / 2}, {right, bottom / 2}};
    for (const QPoint point : edge) {
        const QColor mark = focused.pixelColor(point);
        if (mark == unfocused.pixelColor(point) || contrastRatio(mark, face) < 3.0)
            return false;
    }
    return true;
}

// The window's whole frame stands where the design puts it when that fits in the screen's available area; otherwise
// it is moved into the area, or to its top-left corner when it is larger than the area.
inline QString placementFault(const QWidget* window, const QRect& designedFrame)
{
    // The platform window's own, with the margins the window manager last reported: the widget keeps its frame from
    // its last move, which can come before the report.
    const QRect frame = window->windowHandle()->frameGeometry();
    const QRect area = window->screen()->availableGeometry();
    QString where;
    QDebug(&where) << frame << "in the area" << area;
    if (frame.size() != designedFrame.size())
        return QStringLiteral("frame size changed: ") + where;
    if (area.contains(designedFrame))
        return frame == designedFrame ? QString() : QStringLiteral("moved though it fits: ") + where;
    if (frame.width() >= area.width() || frame.height() >= area.height()) {
        const bool cornerX = frame.width() < area.width() || frame.left() == area.left();
        const bool cornerY = frame.height() < area.height() || frame.top() == area.top();
        return cornerX && cornerY ? QString() : QStringLiteral("larger than the area, not at its corner: ") + where;
    }
    if (!area.contains(frame))
        return QStringLiteral("off the area: ") + where;
    // Moved the least distance: it touches the edge it was pushed away from. Where a logical pixel is not one of the
    // screen's, the screen's edge is known only as it rounds, and the frame may stop a logical pixel short of it.
    const int slack = window->devicePixelRatioF() == 1.0 ? 0 : 1;
    const bool leastX =
        designedFrame.left() == frame.left() || frame.left() == area.left() || frame.right() >= area.right() - slack;
    const bool leastY =
        designedFrame.top() == frame.top() || frame.top() == area.top() || frame.bottom() >= area.bottom() - slack;
    return leastX && leastY ? QString() : QStringLiteral("moved further than needed: ") + where;
}

// Runs the application's own event loop, as the program does, with the given steps queued in it; a watchdog ends
// the loop with 99 if the steps never make the program quit.
inline int runEventLoop(const std::function<void()>& steps, int watchdogMs = 5000)
{
    QTimer::singleShot(0, qApp, steps);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    watchdog.start(watchdogMs);
    return QApplication::exec();
}

} // namespace kalendix::test

// A lookup that finds nothing fails the test at hand, as a renamed object should, and lets the suite's other tests
// run on: the lookup declares the variable and verifies it.
#define FIND_CHILD(variable, Type, parent, name)                                                                       \
    auto* const variable = (parent)->findChild<Type*>(kalendix::test::nameOf(name));                                   \
    QVERIFY2(variable, qPrintable(QStringLiteral("no child named ") + kalendix::test::nameOf(name)))

#define FIND_ACCESSIBLE(variable, object)                                                                              \
    QAccessibleInterface* const variable = QAccessible::queryAccessibleInterface(object);                              \
    QVERIFY2(variable, "no accessible interface for " #object)

// As QTEST_MAIN, but with the program's own application object: the windows meet its style, fonts and Qt's
// translations, as in the program.
#define KALENDIX_WIDGET_TEST_MAIN(TestObject)                                                                          \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        kalendix::Application app(argc, argv);                                                                         \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
