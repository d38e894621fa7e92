#pragma once

#include "core/conversions.h"
#include "ui/clock.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

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

template <typename T> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromUtf8(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
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
