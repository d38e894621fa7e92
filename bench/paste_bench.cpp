// A megabyte pasted into a result box: how long until it shows, how busy the program is while that box has the focus,
// how long a key typed there takes to show, and how long the next run takes to overwrite it. Runs against a real
// display (bench/paste.sh starts one).
#include "core/calendar.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Lets the program run its own event loop for a while, as it does when nobody touches it.
void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void press(QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &up);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const char* boxName = argc > 1 ? argv[1] : "T1";
    kalendix::Form1 window([] { return kalendix::dateValue(2026, 12, 7); }, kalendix::Look::ofThisMachine());
    window.show();
    window.activateWindow();
    spin(500);
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(boxName));
    box->setFocus();
    spin(200);

    QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('7')));
    spin(200);
    QElapsedTimer clock;
    clock.start();
    press(box, Qt::Key_V, QString(), Qt::ControlModifier);
    box->repaint();
    const double pasteMs = clock.nsecsElapsed() / 1e6;
    if (box->text().size() < (1 << 20)) {
        std::fprintf(stderr, "the paste did not arrive (%lld characters)\n",
                     static_cast<long long>(box->text().size()));
        return 1;
    }
    spin(300);

    const double cpuBefore = cpuSeconds();
    clock.restart();
    spin(5000);
    const double idlePercent = 100.0 * (cpuSeconds() - cpuBefore) / (clock.nsecsElapsed() / 1e9);

    std::vector<double> keyMs;
    for (int i = 0; i < 21; ++i) {
        clock.restart();
        press(box, Qt::Key_5, QStringLiteral("5"));
        box->repaint();
        keyMs.push_back(clock.nsecsElapsed() / 1e6);
        spin(20);
    }
    std::nth_element(keyMs.begin(), keyMs.begin() + keyMs.size() / 2, keyMs.end());

    clock.restart();
    window.startRun();
    for (int tick = 0; tick < 10; ++tick)
        window.onTick();
    box->repaint();
    const double runMs = clock.nsecsElapsed() / 1e6;

    std::printf("box %s: paste shown in %.1f ms; idle with the focus %.2f%% of a core over 5 s; key shown in %.2f ms "
                "(median of 21); run overwrote it in %.1f ms\n",
                boxName, pasteMs, idlePercent, keyMs[keyMs.size() / 2], runMs);
    return 0;
}
