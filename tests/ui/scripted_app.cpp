// The real application object and main window, scripted: presses "Start>>" and reports what the user would see.
//   scripted_app failing-clock  the clock fails on the tenth tick
//   scripted_app run            a normal run, then "&Выход"
//   scripted_app session        the machine's clock; a run, both side windows and "Start>>" in the millennium window,
//                               then "&Выход"
//   scripted_app showcase [dark] a run, both side windows and "Start>>" in the millennium window, left open to be
//                               looked at, with the three windows' ids; "dark" first gives the application a dark
//                               palette, as a dark desktop theme would
#include "app/application.h"
#include "core/calendar.h"
#include "ui/about_window.h"
#include "ui/main_window.h"
#include "ui/millennium_window.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[])
{
    kalendix::Application app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool showcase = mode == QLatin1String("showcase");
    if (showcase && argc > 2 && QLatin1String(argv[2]) == QLatin1String("dark")) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(53, 53, 53));
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Light, QColor(90, 90, 90));
        dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
        dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 40));
        dark.setColor(QPalette::ToolTipText, Qt::white);
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::black);
        QApplication::setPalette(dark);
    }
    kalendix::Clock clock = [] { return kalendix::dateValue(2003, 4, 6); };
    if (mode == QLatin1String("failing-clock"))
        clock = []() -> double { throw std::runtime_error("часы недоступны"); };
    else if (mode == QLatin1String("session"))
        clock = &kalendix::todayDate;
    kalendix::Form1 window(clock, app.look());
    window.show();

    // Reads and dismisses the error box as a user would.
    QTimer boxWatcher;
    QObject::connect(&boxWatcher, &QTimer::timeout, &app, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("box title: %s\nbox text: %s\n", qUtf8Printable(box->windowTitle()),
                        qUtf8Printable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    boxWatcher.start(50);

    auto* days = window.findChild<QLineEdit*>(QStringLiteral("T1"));
    QTimer resultWatcher;
    QObject::connect(&resultWatcher, &QTimer::timeout, &app, [&] {
        if (!days->text().isEmpty()) {
            std::printf("days: %s\n", qUtf8Printable(days->text()));
            std::printf("scale: %g\n", window.devicePixelRatioF());
            // Qt's own words, as the boxes' context menus show them.
            std::printf("qt words: %s\n", qUtf8Printable(QCoreApplication::translate("QLineEdit", "&Undo")));
            if (mode == QLatin1String("session") || showcase) {
                window.findChild<QAction*>(QStringLiteral("Ст"))->trigger();
                window.millenniumWindow()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                for (const QString& line : window.millenniumWindow()->printedLines())
                    std::printf("printed: %s\n", qUtf8Printable(line));
                window.findChild<QAction*>(QStringLiteral("прг"))->trigger();
                std::printf("about: %s\n", window.aboutWindow() ? "shown" : "missing");
                if (window.aboutWindow())
                    std::printf("window ids: %llu %llu %llu\n", static_cast<unsigned long long>(window.winId()),
                                static_cast<unsigned long long>(window.millenniumWindow()->winId()),
                                static_cast<unsigned long long>(window.aboutWindow()->winId()));
            }
            std::fflush(stdout);
            if (showcase) {
                resultWatcher.stop();
                return;
            }
            window.findChild<QAction*>(QStringLiteral("вхд"))->trigger();
        }
    });
    resultWatcher.start(50);

    QTimer::singleShot(0, &window, [&] { window.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); });
    if (!showcase)
        QTimer::singleShot(10000, &app, [] {
            std::puts("gave up waiting");
            QCoreApplication::exit(3);
        });
    return kalendix::Application::exec();
}
