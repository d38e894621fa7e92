#include "widget_test_support.h"

#include "ui/about_window.h"
#include "ui/colours.h"
#include "ui/main_window.h"
#include "ui/millennium_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <utility>

using namespace kalendix;

// Chooses a menu command by its item's name.
#define TRIGGER(window, name)                                                                                          \
    do {                                                                                                               \
        FIND_CHILD(item, QAction, &(window), name);                                                                    \
        item->trigger();                                                                                               \
    } while (false)

namespace {

int countVisible(const QString& className)
{
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        count += widget->isVisible() && className == QLatin1String(widget->metaObject()->className()) ? 1 : 0;
    return count;
}

// Pixels darker than the background in the strip where the lines are printed.
int inkIn(const QImage& image, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
    return ink;
}

// WCAG 2 contrast ratio, 1 (none) to 21 (black on white), worked out apart from the program's own.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The side window a menu command opens, while it exists.
QWidget* sideWindow(const Form1& window, const QString& action)
{
    return action == QStringLiteral("Ст") ? static_cast<QWidget*>(window.millenniumWindow())
                                          : static_cast<QWidget*>(window.aboutWindow());
}

} // namespace

class TestSideWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneWindowPerCommand_data();
    void oneWindowPerCommand();
    void millenniumWindowLayout();
    void pressPrintsTwoLines();
    void printedLinesAreDrawnWhole();
    void aboutWindowLayout();
    void exitClosesEveryWindowAndEndsTheProgram();
    void programOutlivesTheMainWindow_data();
    void programOutlivesTheMainWindow();
    void staysOnScreen_data();
    void staysOnScreen();
    void fixedInksStayReadable_data();
    void fixedInksStayReadable();

private:
    test::FixedClock m_today;
    std::unique_ptr<Form1> m_window;
};

void TestSideWindows::init()
{
    m_today.set(2026, 12, 6);
    m_window = std::make_unique<Form1>(m_today.clock(), test::programLook());
    m_window->show();
}

void TestSideWindows::cleanup()
{
    m_window.reset();
    QCOMPARE(countVisible(QStringLiteral("kalendix::Form3")) + countVisible(QStringLiteral("kalendix::Fr5")), 0);
}

void TestSideWindows::oneWindowPerCommand_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("className");
    QTest::newRow("Статистика") << QStringLiteral("Ст") << QStringLiteral("kalendix::Form3");
    QTest::newRow("О программе") << QStringLiteral("прг") << QStringLiteral("kalendix::Fr5");
}

void TestSideWindows::oneWindowPerCommand()
{
    QFETCH(QString, action);
    QFETCH(QString, className);
    for (int i = 0; i < 3; ++i)
        TRIGGER(*m_window, action);
    QCOMPARE(countVisible(className), 1);
    // Modeless and without an owner: the main window stays usable beside it.
    QWidget* side = sideWindow(*m_window, action);
    QVERIFY(side);
    QVERIFY(!side->parentWidget());
    QVERIFY(!side->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(m_window->isEnabled());

    // A minimised window comes back too: it has no taskbar button of its own to be found by.
    side->showMinimized();
    QTRY_VERIFY(side->isMinimized());
    TRIGGER(*m_window, action);
    QTRY_VERIFY(!side->isMinimized());
    QVERIFY(side->isVisible());

    // Closed, moved and filled as it was, it is made afresh by the next command: empty, and centred by the frame the
    // user sees, title bar included.
    if (auto* millennium = qobject_cast<Form3*>(side))
        millennium->showMillennia();
    side->move(side->pos() + QPoint(40, 30));
    side->close();
    QTRY_VERIFY(!sideWindow(*m_window, action));
    TRIGGER(*m_window, action);
    QWidget* fresh = sideWindow(*m_window, action);
    QVERIFY(fresh);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto where = [fresh, screen] {
        QString text;
        QDebug(&text) << fresh->windowHandle()->frameGeometry() << "widget's" << fresh->frameGeometry() << screen;
        return text;
    };
    QTRY_VERIFY2((fresh->windowHandle()->frameGeometry().center() - screen.center()).manhattanLength() <= 2,
                 qPrintable(where()));
    if (auto* millennium = qobject_cast<Form3*>(fresh))
        QVERIFY(millennium->printedLines().isEmpty());
}

void TestSideWindows::millenniumWindowLayout()
{
    TRIGGER(*m_window, "Ст");
    Form3* window = m_window->millenniumWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Статистика"));
    QCOMPARE(window->size(), QSize(357, 66));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowType(), Qt::Dialog);
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window->windowIcon().isNull());
    FIND_CHILD(start, QPushButton, window, "Command1");
    QCOMPARE(start->text(), QStringLiteral("Start>>"));
    QCOMPARE(start->geometry(), QRect(272, 40, 81, 23));
    QVERIFY(start->font().bold() && start->font().italic());
    QCOMPARE(start->font().pointSizeF(), 11.25);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), start);
    QVERIFY(test::showsFocusMark(start));
}

void TestSideWindows::pressPrintsTwoLines()
{
    TRIGGER(*m_window, "Ст");
    Form3* window = m_window->millenniumWindow();
    FIND_CHILD(start, QPushButton, window, "Command1");
    QTest::mouseClick(start, Qt::LeftButton);
    const QStringList expected = test::coreMillenniumLines(QDate(2026, 12, 6));
    QCOMPARE(window->printedLines(), expected);

    // The button always holds the focus; Enter, keypad Enter and Space press it, and each press prints the lines anew.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier},
          std::pair{Qt::Key_Space, Qt::NoModifier}}) {
        QSignalSpy pressed(start, &QPushButton::clicked);
        QTest::keyClick(start, key, modifiers);
        QCOMPARE(pressed.count(), 1);
    }
    QCOMPARE(window->printedLines(), expected);

    // After midnight both counts grow by one.
    m_today.set(2026, 12, 7);
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(window->printedLines(), test::coreMillenniumLines(QDate(2026, 12, 7)));
}

// The lines at their widest: inside the window, above its button, and drawn again the same after an expose.
void TestSideWindows::printedLinesAreDrawnWhole()
{
    TRIGGER(*m_window, "Ст");
    Form3* window = m_window->millenniumWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect printArea(0, 0, window->width(), 36);
    QCOMPARE(inkIn(window->grab().toImage(), printArea), 0);

    m_today.set(9999, 12, 31);
    window->showMillennia();
    const QFontMetrics metrics(window->font());
    for (const QString& line : window->printedLines())
        QVERIFY2(metrics.horizontalAdvance(line) <= window->width(), qPrintable(line));
    FIND_CHILD(start, QPushButton, window, "Command1");
    QVERIFY(2 * metrics.height() <= start->geometry().top() + 2);
    const QImage printed = window->grab().toImage();
    QVERIFY(inkIn(printed, printArea) > 100);
    // Hidden and shown again, as when another window covers it.
    window->hide();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->repaint();
    QCOMPARE(window->grab().toImage().copy(printArea), printed.copy(printArea));
}

void TestSideWindows::aboutWindowLayout()
{
    TRIGGER(*m_window, "прг");
    Fr5* window = m_window->aboutWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("О программе..."));
    QCOMPARE(window->windowType(), Qt::Tool);
    QVERIFY(window->windowIcon().isNull());
    QCOMPARE(window->size(), QSize(312, 134));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));

    FIND_CHILD(picture, QLabel, window, "Picture1");
    QCOMPARE(picture->geometry(), QRect(8, 8, 89, 121));
    QCOMPARE(picture->pixmap().size(), QSize(89, 122));
    FIND_ACCESSIBLE(named, picture);
    QCOMPARE(named->text(QAccessible::Name), QStringLiteral("Фотография автора"));

    FIND_CHILD(frame, QGroupBox, window, "Frame1");
    QCOMPARE(frame->geometry(), QRect(104, 0, 201, 129));
    QCOMPARE(frame->title(), QStringLiteral("Программу написал... "));

    const struct
    {
        const char* name;
        QRect pixels;
        QColor colour;
        const char* text; // empty where the build's options give it
    } labels[] = {
        {"Label1", {16, 24, 41, 17}, QColor(0, 0, 128), ""},
        {"Label2", {64, 24, 49, 17}, QColor(0, 0, 128), ""},
        {"Label3", {120, 24, 57, 17}, QColor(0, 0, 128), ""},
        {"Label5", {16, 56, 177, 25}, QColor(), "Об ошибках в программе пишите на:"},
        {"Label4", {40, 72, 129, 17}, QColor(0, 0, 255), ""},
        {"Label7", {8, 96, 65, 17}, QColor(), "Версия 2.0"},
        {"Label6", {136, 96, 49, 17}, QColor(), "2003 год."},
    };
    for (const auto& spec : labels) {
        FIND_CHILD(label, QLabel, frame, spec.name);
        QCOMPARE(label->geometry(), spec.pixels);
        if (*spec.text)
            QCOMPARE(label->text(), QString::fromUtf8(spec.text));
        if (spec.colour.isValid())
            QCOMPARE(label->palette().color(QPalette::WindowText), spec.colour);
        // Every text fits its label, wrapped at word boundaries where it must be.
        const int needed = label->heightForWidth(label->width());
        QVERIFY2(needed <= label->height(),
                 qPrintable(QStringLiteral("%1 needs %2 px").arg(QLatin1String(spec.name)).arg(needed)));
    }
    FIND_CHILD(name, QLabel, frame, "Label1");
    FIND_CHILD(address, QLabel, frame, "Label4");
    QVERIFY(name->text().endsWith(QLatin1Char(' ')));
    QVERIFY(address->text().contains(QLatin1Char('@')));
}

void TestSideWindows::exitClosesEveryWindowAndEndsTheProgram()
{
    bool allClosed = false;
    const int status = test::runEventLoop([&] {
        TRIGGER(*m_window, "Ст");
        TRIGGER(*m_window, "прг");
        m_window->startRun();
        TRIGGER(*m_window, "вхд");
        allClosed = !m_window->isVisible() && countVisible(QStringLiteral("kalendix::Form3")) == 0 &&
                    countVisible(QStringLiteral("kalendix::Fr5")) == 0;
    });
    QCOMPARE(status, 0);
    QVERIFY(allClosed);
    // The run under way was abandoned: the timer that would bring its figures is stopped.
    FIND_CHILD(timer, QTimer, m_window.get(), "Timer1");
    FIND_CHILD(days, QLineEdit, m_window.get(), "T1");
    QVERIFY(!timer->isActive());
    QCOMPARE(days->text(), QString());
}

void TestSideWindows::programOutlivesTheMainWindow_data()
{
    oneWindowPerCommand_data();
}

void TestSideWindows::programOutlivesTheMainWindow()
{
    QFETCH(QString, action);
    bool stillRunning = false;
    const int status = test::runEventLoop([&] {
        TRIGGER(*m_window, action);
        // Minimised, it has no taskbar button: closing the main window brings it back.
        QWidget* side = sideWindow(*m_window, action);
        side->showMinimized();
        m_window->close();
        // Long enough for the quit that closing the last window would post.
        QTimer::singleShot(300, qApp, [&stillRunning, side] {
            stillRunning = true;
            QVERIFY(side->isVisible());
            QVERIFY(!side->isMinimized());
            side->close();
        });
    });
    QVERIFY(stillRunning);
    QCOMPARE(status, 0);
}

void TestSideWindows::staysOnScreen_data()
{
    oneWindowPerCommand_data();
}

void TestSideWindows::staysOnScreen()
{
    QFETCH(QString, action);
    TRIGGER(*m_window, action);
    QWidget* window = sideWindow(*m_window, action);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // A window manager reports the frame after the window is shown, and the window is placed again then.
    const auto fault = [window] {
        const QSize frameSize = window->size().grownBy(window->windowHandle()->frameMargins());
        const QRect area = window->screen()->availableGeometry();
        const QRect centred(area.topLeft() + QPoint(area.width() / 2 - frameSize.width() / 2,
                                                    area.height() / 2 - frameSize.height() / 2),
                            frameSize);
        return test::placementFault(window, centred);
    };
    QTRY_VERIFY2(fault().isEmpty(), qPrintable(fault()));
}

void TestSideWindows::fixedInksStayReadable_data()
{
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<bool>("unchanged");
    const QColor black(0, 0, 0), navy(0, 0, 128), blue(0, 0, 255);
    const QColor classicFace(212, 208, 200), fusionFace(239, 239, 239), darkFace(53, 53, 53), blackFace(0, 0, 0);
    QTest::newRow("black on the classic face") << black << classicFace << true;
    QTest::newRow("navy on the classic face") << navy << classicFace << true;
    QTest::newRow("blue on Fusion's face") << blue << fusionFace << true;
    QTest::newRow("black on a dark face") << black << darkFace << false;
    QTest::newRow("navy on a dark face") << navy << darkFace << false;
    QTest::newRow("blue on a dark face") << blue << darkFace << false;
    QTest::newRow("blue on black") << blue << blackFace << false;
}

void TestSideWindows::fixedInksStayReadable()
{
    QFETCH(QColor, ink);
    QFETCH(QColor, face);
    QFETCH(bool, unchanged);
    const QColor shown = readableOn(ink, face);
    if (unchanged) {
        QCOMPARE(shown, ink);
        return;
    }
    QVERIFY2(contrast(shown, face) >= 4.5, qPrintable(QStringLiteral("contrast %1").arg(contrast(shown, face))));
    // Still the same hue: navy and blue stay blue.
    if (ink.hslSaturationF() > 0)
        QCOMPARE(shown.toHsl().hslHue(), ink.toHsl().hslHue());
}

KALENDIX_WIDGET_TEST_MAIN(TestSideWindows)
#include "tst_side_windows.moc"
