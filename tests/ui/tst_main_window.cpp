#include "widget_test_support.h"

#include "ui/date_picker.h"
#include "ui/float_progress_bar.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/program_style.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

using namespace kalendix;

namespace {

// The result boxes, in the order the figures are computed: days, seconds, hours, minutes, years, months, weeks.
constexpr const char* boxNames[] = {"T1", "T2", "T3", "T4", "T5", "T6", "T7"};
// The controls that take the focus, in the order Tab visits them.
constexpr const char* focusOrder[] = {"DT", "T1", "T2", "Command1", "T3", "T4", "T5", "T6", "T7"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void windowFrameAndPlace();
    void controls_data();
    void controls();
    void startAndMenusToAScreenReader();
    void fontsCoverCyrillic();
    void runFillsTheBoxesOnTheTenthTick();
    void runWithTheRealTimer();
    void startPressedAgainRestartsFromZero();
    void runFinishingWhileADateIsTyped();
    void pastedTextNeverBreaksARun_data();
    void pastedTextNeverBreaksARun();
    void enterPressesStart();
    void tabOrder();
    void altOpensMenus_data();
    void altOpensMenus();
    void separatorIsNotAChoice();
    void overflowIconsAreTheStyles();
    void pickerEntries_data();
    void pickerEntries();
    void calendarKeys_data();
    void calendarKeys();
    void focusIsVisible_data();
    void focusIsVisible();
    void staysOnScreen();

private:
    void tick(int times);
    QStringList boxTexts() const;

    test::FixedClock m_today;
    std::unique_ptr<Form1> m_window;
    // What a run from the date the window starts with shows on the test's day.
    const QStringList m_started = test::coreFigures(QDate(2001, 1, 1), QDate(2003, 4, 6));
};

void TestMainWindow::init()
{
    m_today.set(2003, 4, 6);
    m_window = std::make_unique<Form1>(m_today.clock(), test::programLook());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
}

void TestMainWindow::tick(int times)
{
    for (int i = 0; i < times; ++i)
        m_window->onTick();
}

QStringList TestMainWindow::boxTexts() const
{
    QStringList texts;
    for (const char* name : boxNames) {
        const auto* box = m_window->findChild<QLineEdit*>(QString::fromLatin1(name));
        texts << (box ? box->text() : QStringLiteral("no box %1").arg(QString::fromLatin1(name)));
    }
    return texts;
}

void TestMainWindow::startState()
{
    QCOMPARE(boxTexts(), QStringList(7, QString()));
    FIND_CHILD(bar, FloatProgressBar, m_window.get(), "ProgressBar1");
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->progress(), 0.0f);
    QCOMPARE(bar->value(), 0);
    FIND_CHILD(timer, QTimer, m_window.get(), "Timer1");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 100);
}

void TestMainWindow::windowFrameAndPlace()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kalendix v 2.0"));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!m_window->windowIcon().isNull());
    // The area below the menu bar, holding the controls table's nineteen and no more; its place is staysOnScreen's.
    QCOMPARE(m_window->client()->size(), QSize(251, 228));
    QCOMPARE(m_window->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 19);
    QCOMPARE(m_window->client()->y(), m_window->menuBar()->height());
}

void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("box");

    const struct
    {
        const char* name;
        QRect pixels;
        const char* caption;
        const char* spoken; // what a screen reader names a control: the captions read badly aloud
        const char* box;    // the box a caption is announced as the label of
    } rows[] = {
        {"Label1", {8, 0, 17, 25}, "С", "", ""},
        {"DT", {24, 0, 89, 25}, "", "Дата, с которой считать", ""},
        {"Command1", {136, 0, 89, 23}, "Start>>", "Start", ""},
        {"Label2", {8, 32, 57, 25}, "прошло:", "", ""},
        {"T5", {64, 32, 97, 19}, "", "Прошло лет", ""},
        {"Label3", {160, 32, 65, 17}, " лет\\год(а)", "Прошло лет", "T5"},
        {"T6", {64, 56, 97, 19}, "", "Прошло месяцев", ""},
        {"Label8", {160, 56, 65, 25}, " месяц(ев)", "Прошло месяцев", "T6"},
        {"T7", {64, 80, 97, 19}, "", "Прошло недель", ""},
        {"Label9", {160, 80, 89, 17}, " недель\\недели", "Прошло недель", "T7"},
        {"T1", {64, 104, 97, 19}, "", "Прошло дней", ""},
        {"Label4", {160, 104, 65, 17}, " дней\\день", "Прошло дней", "T1"},
        {"T3", {64, 128, 97, 19}, "", "Прошло часов", ""},
        {"Label5", {160, 128, 49, 17}, " час(ов)", "Прошло часов", "T3"},
        {"T4", {64, 152, 97, 19}, "", "Прошло минут", ""},
        {"Label6", {160, 152, 49, 17}, " минут", "Прошло минут", "T4"},
        {"T2", {64, 176, 97, 19}, "", "Прошло секунд", ""},
        {"Label7", {160, 176, 49, 17}, " секунд", "Прошло секунд", "T2"},
        {"ProgressBar1", {8, 208, 236, 16}, "", "Ход подсчёта", ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.pixels << QString::fromUtf8(row.caption)
                                << QString::fromUtf8(row.spoken) << QString::fromLatin1(row.box);
}

void TestMainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    QFETCH(QString, box);
    FIND_CHILD(widget, QWidget, m_window.get(), name);
    QCOMPARE(widget->parentWidget(), m_window->client());
    QCOMPARE(widget->geometry(), pixels);
    // Captions fit, measured on the control itself, so at the screen's scale factor as drawn.
    const QFontMetrics metrics(widget->font(), widget);
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(metrics.horizontalAdvance(caption) <= label->width());
        QVERIFY(metrics.height() <= label->height());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(metrics.horizontalAdvance(caption) < button->width());
    }
    if (!spoken.isEmpty()) {
        FIND_ACCESSIBLE(named, widget);
        QCOMPARE(named->text(QAccessible::Name), spoken);
    }
    if (!box.isEmpty())
        QCOMPARE(qobject_cast<const QLabel*>(widget)->buddy(), m_window->findChild<QWidget*>(box));
}

void TestMainWindow::startAndMenusToAScreenReader()
{
    FIND_CHILD(command1, QPushButton, m_window.get(), "Command1");
    FIND_ACCESSIBLE(start, command1);
    QCOMPARE(start->role(), QAccessible::Button);
    QVERIFY(!start->text(QAccessible::Description).isEmpty());
    QVERIFY(start->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    FIND_ACCESSIBLE(menuBar, m_window->menuBar());
    QStringList menus;
    for (int i = 0; i < menuBar->childCount(); ++i)
        menus << menuBar->child(i)->text(QAccessible::Name);
    QCOMPARE(menus, (QStringList{QStringLiteral("Файл"), QStringLiteral("Помощь")}));
}

void TestMainWindow::fontsCoverCyrillic()
{
    // Whatever face stands in for the designed one, the Russian captions must not fall back to a second face.
    for (const QFont& font : {test::programLook().captionFont(9.75, true),
                              test::programLook().captionFont(12, true, true), test::programLook().dialogFont()}) {
        const QString family = QFontInfo(font).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic), qPrintable(family));
    }
}

void TestMainWindow::runFillsTheBoxesOnTheTenthTick()
{
    const QDate picked(1990, 3, 15);
    const QStringList figures = test::coreFigures(picked, QDate(2003, 4, 6));
    FIND_CHILD(picker, DatePicker, m_window.get(), "DT");
    FIND_CHILD(bar, FloatProgressBar, m_window.get(), "ProgressBar1");
    FIND_CHILD(timer, QTimer, m_window.get(), "Timer1");
    FIND_CHILD(start, QPushButton, m_window.get(), "Command1");
    picker->setDate(picked);

    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(timer->isActive());
    for (int step = 1; step <= 9; ++step) {
        m_window->onTick();
        QCOMPARE(bar->progress(), 10.0f * static_cast<float>(step));
        QCOMPARE(bar->value(), 10 * step);
    }
    QCOMPARE(boxTexts(), QStringList(7, QString()));
    QVERIFY(bar->isVisible());

    m_window->onTick();
    QCOMPARE(boxTexts(), figures);
    QVERIFY(!bar->isVisible());
    // Each figure as a screen reader reads it.
    for (const char* name : boxNames) {
        FIND_CHILD(box, QLineEdit, m_window.get(), name);
        FIND_ACCESSIBLE(readOut, box);
        QCOMPARE(readOut->role(), QAccessible::EditableText);
        QCOMPARE(readOut->text(QAccessible::Value), box->text());
        QAccessibleTextInterface* text = readOut->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), box->text());
    }

    // Finished: the timer stops, and a tick that still comes changes nothing.
    QVERIFY(!timer->isActive());
    m_today.set(2100, 1, 1);
    tick(5);
    QCOMPARE(boxTexts(), figures);
    QCOMPARE(bar->progress(), 100.0f);
}

void TestMainWindow::runWithTheRealTimer()
{
    FIND_CHILD(timer, QTimer, m_window.get(), "Timer1");
    FIND_CHILD(start, QPushButton, m_window.get(), "Command1");
    FIND_CHILD(days, QLineEdit, m_window.get(), "T1");
    QSignalSpy ticks(timer, &QTimer::timeout);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!days->text().isEmpty(), 5000);
    QVERIFY(ticks.count() >= 10);
    QCOMPARE(boxTexts(), m_started);
}

void TestMainWindow::startPressedAgainRestartsFromZero()
{
    FIND_CHILD(start, QPushButton, m_window.get(), "Command1");
    FIND_CHILD(bar, FloatProgressBar, m_window.get(), "ProgressBar1");
    FIND_CHILD(timer, QTimer, m_window.get(), "Timer1");
    start->click();
    tick(6);
    start->click();
    QCOMPARE(bar->progress(), 0.0f);
    tick(10);
    QCOMPARE(boxTexts(), m_started);

    // A new run from the finished state keeps the old figures until its own tenth tick.
    m_today.set(2003, 4, 7);
    start->click();
    QVERIFY(bar->isVisible());
    QVERIFY(timer->isActive());
    tick(9);
    QCOMPARE(boxTexts(), m_started);
    tick(1);
    QCOMPARE(boxTexts(), test::coreFigures(QDate(2001, 1, 1), QDate(2003, 4, 7)));
}

// The run counts from the date the picker holds when it finishes, though it was set after the run began; an entry
// half typed then is left as it is, to be finished and counted by the next run.
void TestMainWindow::runFinishingWhileADateIsTyped()
{
    FIND_CHILD(picker, DatePicker, m_window.get(), "DT");
    m_window->startRun();
    tick(5);
    picker->setDate(QDate(2003, 4, 1));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("15.03"));
    tick(5);
    QCOMPARE(boxTexts(), test::coreFigures(QDate(2003, 4, 1), QDate(2003, 4, 6)));
    QCOMPARE(picker->text(), QStringLiteral("15.03"));
    QVERIFY(picker->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(".1990"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    tick(10);
    QCOMPARE(boxTexts(), test::coreFigures(QDate(1990, 3, 15), QDate(2003, 4, 6)));
}

void TestMainWindow::pastedTextNeverBreaksARun_data()
{
    QTest::addColumn<QByteArray>("pasted");
    QTest::newRow("1 MiB of digits") << QByteArray(1 << 20, '7');
    QTest::newRow("1 MiB of words") << QByteArray("дней 12,5 E+ ").repeated((1 << 20) / 16);
    QTest::newRow("control characters") << QByteArray("\x01\x02\t\n\r\x1b[2J\x7f 12");
    QTest::newRow("NUL bytes") << QByteArrayLiteral("12\0\0 34\0");
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe\xc3\x28 12 \xed\xa0\x80 \xf4\x90\x80\x80");
    QTest::newRow("huge exponent") << QByteArray("1E99999999999999999999");
}

void TestMainWindow::pastedTextNeverBreaksARun()
{
    QFETCH(QByteArray, pasted);
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/plain"), pasted);
    QApplication::clipboard()->setMimeData(mime);
    for (const char* name : boxNames) {
        FIND_CHILD(box, QLineEdit, m_window.get(), name);
        box->selectAll();
        box->paste();
        QCOMPARE(box->text(), QString::fromUtf8(pasted));
    }
    m_window->startRun();
    tick(10);
    QCOMPARE(boxTexts(), m_started);
}

void TestMainWindow::enterPressesStart()
{
    FIND_CHILD(bar, FloatProgressBar, m_window.get(), "ProgressBar1");
    for (const char* name : {"DT", "T1", "T5"}) {
        bar->setProgress(100.0f);
        FIND_CHILD(control, QWidget, m_window.get(), name);
        control->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(bar->progress() == 0.0f, name);
    }
}

void TestMainWindow::tabOrder()
{
    QStringList expected;
    for (const char* name : focusOrder)
        expected << QString::fromLatin1(name);
    expected << expected.front(); // and round again
    const auto focusedControl = [] {
        // The date picker keeps the focus in its inner line edit.
        for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
                return widget->objectName();
        return QString();
    };
    QStringList visited{focusedControl()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusedControl();
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::altOpensMenus_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("Alt+Ф") << 0x0424 << QStringLiteral("фл")
                           << QStringList{QStringLiteral("&Статистика"), QString(), QStringLiteral("&Выход")};
    QTest::newRow("Alt+Щ") << 0x0429 << QStringLiteral("пмщ") << QStringList{QStringLiteral("О п&рограмме...")};
}

void TestMainWindow::altOpensMenus()
{
    QFETCH(int, letter);
    QFETCH(QString, menu);
    QFETCH(QStringList, items);

    FIND_CHILD(popup, QMenu, m_window.get(), menu);
    QStringList texts;
    for (const QAction* action : popup->actions()) {
        texts << action->text();
        QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(texts, items);

    // keyClick() takes Latin letters only; the text is what a Russian keyboard layout sends.
    QTest::sendKeyEvent(QTest::Click, m_window.get(), static_cast<Qt::Key>(letter), QString(QChar(letter).toLower()),
                        Qt::AltModifier);
    QTRY_VERIFY(popup->isVisible());
    popup->close();
}

void TestMainWindow::separatorIsNotAChoice()
{
    FIND_CHILD(separator, QAction, m_window.get(), "Gk");
    FIND_CHILD(fileMenu, QMenu, m_window.get(), "фл");
    fileMenu->popup(m_window->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
    QSignalSpy triggered(fileMenu, &QMenu::triggered);
    QTest::mouseClick(fileMenu, Qt::LeftButton, {}, fileMenu->actionGeometry(separator).center());
    QCOMPARE(triggered.count(), 0);
    fileMenu->close();
}

// The program's style hands out the menu bar's overflow icons before loading them; once drawn they must be the
// platform style's own, not blank.
void TestMainWindow::overflowIconsAreTheStyles()
{
    const auto* program = qobject_cast<const QProxyStyle*>(QApplication::style());
    QVERIFY(program);
    QStyle* platform = QStyleFactory::create(program->baseStyle()->name());
    QVERIFY(platform);
    ProgramStyle style(platform);
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = style.standardIcon(which);
        QVERIFY(!deferred.isNull());
        const QImage drawn = deferred.pixmap(16).toImage();
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn, platform->standardIcon(which).pixmap(16).toImage());
        QCOMPARE(deferred.actualSize(QSize(16, 16)), platform->standardIcon(which).actualSize(QSize(16, 16)));
    }
}

namespace {

// Where the user is in the picker when an entry begins.
enum class WayIn {
    Start,    // the focus it has when the window opens
    ClickDay, // a click on each part of the date shown, and past its end
    ClickMonth,
    ClickYear,
    ClickEnd,
    ShiftTab,      // Tab on to the next control and Shift+Tab back
    AfterRun,      // Enter, and the run it starts
    AfterRefusal,  // an entry that is no date, refused
    AfterCalendar, // the calendar opened and closed with Escape
    MidEntryMenu,  // "20.04." typed, then Alt (the menu bar takes the keyboard) and Escape: the entry goes on
    SelectedEnd,   // End, then Shift+Left twice: the user's own selection, replaced alone
    Home,          // Home: the cursor before the day
};

// A point in a line edit at which a click puts the cursor at a given position of its text.
QPoint pointAt(QLineEdit* field, int position)
{
    for (int x = 0; x < field->width(); ++x)
        if (field->cursorPositionAt(QPoint(x, field->height() / 2)) == position)
            return {x, field->height() / 2};
    return {field->width() - 2, field->height() / 2};
}

} // namespace

Q_DECLARE_METATYPE(WayIn)

enum class Writing {
    Typed,  // key by key
    CtrlV,  // pasted with Ctrl+V
    Menu,   // pasted with the context menu's paste
    Middle, // pasted from the selection with a middle click, where the platform has one (X11)
};
Q_DECLARE_METATYPE(Writing)

void TestMainWindow::pickerEntries_data()
{
    QTest::addColumn<WayIn>("wayIn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Writing>("writing");
    QTest::addColumn<int>("finish");
    QTest::addColumn<QDate>("expected"); // invalid: refused, and no run starts

    const QDate ides(1990, 3, 15);
    const int enter = Qt::Key_Return;
    for (const auto& [name, wayIn] : {std::pair{"the start", WayIn::Start},
                                      {"a click on the day", WayIn::ClickDay},
                                      {"a click on the month", WayIn::ClickMonth},
                                      {"a click on the year", WayIn::ClickYear},
                                      {"a click past the end", WayIn::ClickEnd},
                                      {"Shift+Tab", WayIn::ShiftTab},
                                      {"a run", WayIn::AfterRun},
                                      {"a refusal", WayIn::AfterRefusal},
                                      {"the calendar", WayIn::AfterCalendar}})
        QTest::addRow("15.03.1990 after %s", name)
            << wayIn << QStringLiteral("15.03.1990") << Writing::Typed << enter << ides;
    // The picker holds 31.01.2001; a lone number replaces the part where typing began.
    QTest::newRow("1985 after the menu bar mid-entry")
        << WayIn::MidEntryMenu << QStringLiteral("1985") << Writing::Typed << enter << QDate(1985, 4, 20);
    QTest::newRow("99 over the year's last two digits")
        << WayIn::SelectedEnd << QStringLiteral("99") << Writing::Typed << enter << QDate(2099, 1, 31);
    QTest::newRow("3 on the month") << WayIn::ClickMonth << QStringLiteral("3") << Writing::Typed << enter
                                    << QDate(2001, 3, 31);
    QTest::newRow("pasted 15/03/1990") << WayIn::Start << QStringLiteral("15/03/1990") << Writing::CtrlV << enter
                                       << ides;
    QTest::newRow("pasted by the menu into the date held")
        << WayIn::ClickYear << QStringLiteral("15.03.1990") << Writing::Menu << enter << ides;
    QTest::newRow("pasted by the middle button into the date held")
        << WayIn::ClickYear << QStringLiteral("15.03.1990") << Writing::Middle << enter << ides;
    QTest::newRow("pasted with no-break spaces")
        << WayIn::Start << QStringLiteral("15\u00a003\u00a01990") << Writing::CtrlV << enter << ides;
    QTest::newRow("pasted with narrow no-break spaces")
        << WayIn::Start << QStringLiteral("15\u202f03\u202f1990") << Writing::CtrlV << enter << ides;
    // Backspace and Delete take one character, as in any text field; what is typed then goes where they left off.
    QTest::newRow("Backspace at the end")
        << WayIn::ClickEnd << QStringLiteral("\b\b\b\b1990") << Writing::Typed << enter << QDate(1990, 1, 31);
    QTest::newRow("Delete at the start") << WayIn::Home << QStringLiteral("\u007f\u007f15") << Writing::Typed << enter
                                         << QDate(2001, 1, 15);
    QTest::newRow("Delete within the year")
        << WayIn::ClickYear << QStringLiteral("\u007f9") << Writing::Typed << enter << QDate(2091, 1, 31);
    QTest::newRow("pasted with white space around")
        << WayIn::Start << QStringLiteral("\t15.03.1990\r\n") << Writing::CtrlV << enter << ides;
    QTest::newRow("typed 31.04.2001") << WayIn::ClickYear << QStringLiteral("31.04.2001") << Writing::Typed << enter
                                      << QDate();
    QTest::newRow("Escape gives the date back")
        << WayIn::ClickDay << QStringLiteral("3") << Writing::Typed << int(Qt::Key_Escape) << QDate(2001, 1, 31);
    // Steps keep the day within a shorter month, and never leave the range.
    QTest::newRow("Down on the day") << WayIn::ClickDay << QString() << Writing::Typed << int(Qt::Key_Down)
                                     << QDate(2001, 1, 30);
    QTest::newRow("Up on the month") << WayIn::ClickMonth << QString() << Writing::Typed << int(Qt::Key_Up)
                                     << QDate(2001, 2, 28);
    QTest::newRow("typed, then Up on the year")
        << WayIn::ClickYear << QStringLiteral("29.02.2000") << Writing::Typed << int(Qt::Key_Up) << QDate(2001, 2, 28);
    QTest::newRow("PageDown past the earliest year") << WayIn::ClickYear << QStringLiteral("05.01.1605")
                                                     << Writing::Typed << int(Qt::Key_PageDown) << QDate(1601, 1, 1);
}

void TestMainWindow::pickerEntries()
{
    QFETCH(WayIn, wayIn);
    QFETCH(QString, typed);
    QFETCH(Writing, writing);
    QFETCH(int, finish);
    QFETCH(QDate, expected);

    FIND_CHILD(picker, DatePicker, m_window.get(), "DT");
    FIND_CHILD(timer, QTimer, m_window.get(), "Timer1");
    FIND_CHILD(days, QLineEdit, m_window.get(), "T1");
    auto* field = picker->findChild<QLineEdit*>();
    const QDate held(2001, 1, 31);
    picker->setDate(held);
    const auto key = [](int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    };
    const int clickAt[] = {1, 4, 8, 10};
    switch (wayIn) {
    case WayIn::Start:
        break;
    case WayIn::ClickDay:
    case WayIn::ClickMonth:
    case WayIn::ClickYear:
    case WayIn::ClickEnd:
        QTest::mouseClick(field, Qt::LeftButton, {}, pointAt(field, clickAt[int(wayIn) - int(WayIn::ClickDay)]));
        break;
    case WayIn::ShiftTab:
        key(Qt::Key_Tab);
        key(Qt::Key_Backtab);
        break;
    case WayIn::AfterRun:
        key(Qt::Key_Return);
        tick(10);
        QVERIFY(!days->text().isEmpty());
        break;
    case WayIn::AfterRefusal:
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1.5.3.1990"));
        key(Qt::Key_Return);
        QVERIFY(!picker->toolTip().isEmpty());
        break;
    case WayIn::AfterCalendar:
        key(Qt::Key_F4);
        QTRY_VERIFY(picker->dropDown() && picker->dropDown()->isVisible());
        key(Qt::Key_Escape);
        QTRY_VERIFY(!picker->dropDown()->isVisible());
        break;
    case WayIn::Home:
        key(Qt::Key_Home);
        break;
    case WayIn::SelectedEnd:
        key(Qt::Key_End);
        key(Qt::Key_Left, Qt::ShiftModifier);
        key(Qt::Key_Left, Qt::ShiftModifier);
        break;
    case WayIn::MidEntryMenu:
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("20.04."));
        key(Qt::Key_Alt);
        QTRY_VERIFY(m_window->menuBar()->hasFocus());
        key(Qt::Key_Escape);
        QTRY_VERIFY(picker->hasFocus());
        break;
    }
    for (QLineEdit* box : m_window->findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^T\\d$"))))
        box->clear();
    QVERIFY(picker->hasFocus());
    switch (writing) {
    case Writing::Typed:
        for (const QChar c : typed)
            if (c == QLatin1Char('\b') || c == QChar(0x7f))
                key(c == QLatin1Char('\b') ? Qt::Key_Backspace : Qt::Key_Delete);
            else
                QTest::keyClicks(QApplication::focusWidget(), c);
        break;
    case Writing::CtrlV:
        QApplication::clipboard()->setText(typed);
        key(Qt::Key_V, Qt::ControlModifier);
        break;
    case Writing::Middle:
        if (!QApplication::clipboard()->supportsSelection())
            QSKIP("this platform has no selection to paste");
        QApplication::clipboard()->setText(typed, QClipboard::Selection);
        QTest::mouseClick(field, Qt::MiddleButton, {}, pointAt(field, clickAt[2]));
        break;
    case Writing::Menu:
        QApplication::clipboard()->setText(typed);
        // The menu runs a loop of its own: its paste is chosen from inside it.
        QTimer::singleShot(0, picker, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
            for (QAction* action : menu->actions())
                if (action->text().startsWith(paste))
                    action->trigger();
            menu->close();
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, field->rect().center(),
                                    field->mapToGlobal(field->rect().center()));
        QApplication::sendEvent(picker, &menuEvent);
        // The window takes the focus back from the menu, as a window manager gives it.
        QTRY_VERIFY(!QApplication::activePopupWidget());
        m_window->activateWindow();
        QTRY_VERIFY(picker->hasFocus());
        break;
    }
    // While typing, the field shows what was typed, and nothing else, after what stands before it where typing goes on.
    const QString before = wayIn == WayIn::MidEntryMenu  ? QStringLiteral("20.04.")
                           : wayIn == WayIn::SelectedEnd ? QStringLiteral("31.01.20")
                                                         : QString();
    const bool edits = typed.contains(QLatin1Char('\b')) || typed.contains(QChar(0x7f));
    if (!typed.isEmpty() && !edits)
        QCOMPARE(picker->text().trimmed(), before + typed.trimmed());
    QCOMPARE(picker->date(), held);
    key(finish);
    m_window->startRun();
    const bool running = timer->isActive();
    if (running)
        tick(10);
    if (expected.isValid()) {
        QCOMPARE(picker->date(), expected);
        QCOMPARE(picker->text(), expected.toString(QStringLiteral("dd.MM.yyyy")));
        QVERIFY(picker->toolTip().isEmpty());
        QCOMPARE(days->text(), QString::number(expected.daysTo(QDate(2003, 4, 6))));
    } else {
        // Refused: the held date stays, the entry stays to be mended, with the reason, and nothing is counted.
        QCOMPARE(picker->date(), held);
        QVERIFY(picker->text() != held.toString(QStringLiteral("dd.MM.yyyy")));
        QVERIFY(!picker->toolTip().isEmpty());
        QVERIFY(!running);
        QCOMPARE(days->text(), QString());
    }
}

void TestMainWindow::calendarKeys_data()
{
    QTest::addColumn<int>("closingKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("pageYear");
    QTest::addColumn<QDate>("expected");
    // From 1 January 2001: Down is a week on, PageDown a month on; only Enter takes the day. A page turned to
    // another year, as the header's year field does, frames the same day there, and Enter takes that one.
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 0 << QDate(2001, 1, 1);
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier) << 0 << QDate(2001, 1, 1);
    QTest::newRow("Alt+Up") << int(Qt::Key_Up) << int(Qt::AltModifier) << 0 << QDate(2001, 1, 1);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 0 << QDate(2001, 2, 8);
    QTest::newRow("year turned, Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 2005 << QDate(2005, 2, 8);
    QTest::newRow("year turned, Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 2005 << QDate(2001, 1, 1);
}

void TestMainWindow::calendarKeys()
{
    QFETCH(int, closingKey);
    QFETCH(int, modifiers);
    QFETCH(int, pageYear);
    QFETCH(QDate, expected);

    FIND_CHILD(picker, DatePicker, m_window.get(), "DT");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(picker->dropDown());
    QWidget* popup = picker->dropDown()->window();
    QTRY_VERIFY(popup->isVisible());
    QTRY_VERIFY(QApplication::focusWidget() && popup->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    if (pageYear)
        picker->dropDown()->setCurrentPage(pageYear, picker->dropDown()->monthShown());
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(closingKey), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(picker->date(), expected);
}

void TestMainWindow::focusIsVisible_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("dark");
    for (const bool dark : {false, true})
        for (const char* name : focusOrder)
            QTest::addRow("%s %s", name, dark ? "dark" : "light") << QString::fromLatin1(name) << dark;
}

void TestMainWindow::focusIsVisible()
{
    QFETCH(QString, control);
    QFETCH(bool, dark);

    const QPalette light = QApplication::palette();
    const QString platformStyle = qobject_cast<const QProxyStyle*>(QApplication::style())->baseStyle()->name();
    // The rows after this one, and the other tests, see the palette and style they started with, whether this row
    // passes or not.
    const auto restore = qScopeGuard([&light, dark, platformStyle] {
        if (dark)
            QApplication::setStyle(new ProgramStyle(QStyleFactory::create(platformStyle)));
        QApplication::setPalette(light);
    });
    if (dark) {
        // A dark palette as a style that paints from the palette shows it: Windows' own style draws its faces from
        // the system's theme whatever the palette says, as Qt documents.
        QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
        QPalette colours = light;
        for (const auto role :
             {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::Midlight, QPalette::ToolTipBase})
            colours.setColor(role, QColor(0x30, 0x30, 0x30));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
            colours.setColor(role, QColor(0xee, 0xee, 0xee));
        colours.setColor(QPalette::Highlight, QColor(0x2a, 0x50, 0x80));
        QApplication::setPalette(colours);
        m_window = std::make_unique<Form1>(m_today.clock(), test::programLook());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    FIND_CHILD(target, QWidget, m_window.get(), control);
    // The picker's field is in the platform's entry colour, not in the window's face around it (which the dark
    // palette above makes the same colour).
    auto* field = control == QLatin1String("DT") ? target->findChild<QLineEdit*>() : nullptr;
    const QColor fieldColour = field ? field->grab().toImage().pixelColor(1, 1) : QColor();
    QVERIFY(test::showsFocusMark(target));
    if (field && !dark)
        QCOMPARE(fieldColour, QApplication::palette(field).color(QPalette::Base));
}

void TestMainWindow::staysOnScreen()
{
    // A window manager reports the frame after the window is shown, and the window is placed again then.
    const auto fault = [this] {
        const QMargins margins = m_window->windowHandle()->frameMargins();
        const QPoint screenOrigin = m_window->screen()->geometry().topLeft();
        const QRect designed(screenOrigin +
                                 QPoint(357 - margins.left(), 327 - m_window->menuBar()->height() - margins.top()),
                             m_window->size().grownBy(margins));
        return test::placementFault(m_window.get(), designed);
    };
    QTRY_VERIFY2(fault().isEmpty(), qPrintable(fault()));
}

KALENDIX_WIDGET_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
