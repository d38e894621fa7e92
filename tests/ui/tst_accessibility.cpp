#include "widget_test_support.h"

#include "ui/about_window.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/millennium_window.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace kalendix;
using test::child;

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return interface;
}

// WCAG 2 contrast ratio, 1 (none) to 21 (black on white).
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

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resultBoxesAreNamedAndExposeTheirFigures_data();
    void resultBoxesAreNamedAndExposeTheirFigures();
    void controlsAndMenusAreNamed();
    void millenniumLinesAreReadable();
    void aboutPhotographIsNamed();
    void fixedInksStayReadable_data();
    void fixedInksStayReadable();

private:
    test::FixedClock m_today;
    std::unique_ptr<Form1> m_window;
};

void TestAccessibility::init()
{
    m_today.set(2003, 4, 6);
    m_window = std::make_unique<Form1>(m_today.clock(), test::programLook());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestAccessibility::cleanup()
{
    m_window.reset();
}

void TestAccessibility::resultBoxesAreNamedAndExposeTheirFigures_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("years") << "T5"
                           << "Label3"
                           << "Прошло лет";
    QTest::newRow("months") << "T6"
                            << "Label8"
                            << "Прошло месяцев";
    QTest::newRow("weeks") << "T7"
                           << "Label9"
                           << "Прошло недель";
    QTest::newRow("days") << "T1"
                          << "Label4"
                          << "Прошло дней";
    QTest::newRow("hours") << "T3"
                           << "Label5"
                           << "Прошло часов";
    QTest::newRow("minutes") << "T4"
                             << "Label6"
                             << "Прошло минут";
    QTest::newRow("seconds") << "T2"
                             << "Label7"
                             << "Прошло секунд";
}

void TestAccessibility::resultBoxesAreNamedAndExposeTheirFigures()
{
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    auto* edit = child<QLineEdit>(m_window.get(), box.toUtf8().constData());
    QAccessibleInterface* interface = accessible(edit);
    QCOMPARE(interface->role(), QAccessible::EditableText);
    QCOMPARE(interface->text(QAccessible::Name), name);
    // The caption beside the box is announced as its label too.
    QCOMPARE(child<QLabel>(m_window.get(), caption.toUtf8().constData())->buddy(), edit);

    m_window->startRun();
    for (int i = 0; i < 10; ++i)
        m_window->onTick();
    const QString figure = edit->text();
    QVERIFY(!figure.isEmpty());
    QCOMPARE(interface->text(QAccessible::Value), figure);
    QAccessibleTextInterface* text = interface->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), figure);
}

void TestAccessibility::controlsAndMenusAreNamed()
{
    QAccessibleInterface* start = accessible(child<QPushButton>(m_window.get(), "Command1"));
    QCOMPARE(start->role(), QAccessible::Button);
    QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Start"));
    QVERIFY(!start->text(QAccessible::Description).isEmpty());
    QVERIFY(start->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    QCOMPARE(accessible(child<QWidget>(m_window.get(), "DT"))->text(QAccessible::Name),
             QStringLiteral("Дата, с которой считать"));
    QCOMPARE(accessible(child<QWidget>(m_window.get(), "ProgressBar1"))->text(QAccessible::Name),
             QStringLiteral("Ход подсчёта"));

    QAccessibleInterface* menuBar = accessible(m_window->menuBar());
    QStringList menus;
    for (int i = 0; i < menuBar->childCount(); ++i)
        menus << menuBar->child(i)->text(QAccessible::Name);
    QCOMPARE(menus, (QStringList{QStringLiteral("Файл"), QStringLiteral("Помощь")}));
}

void TestAccessibility::millenniumLinesAreReadable()
{
    m_window->openMillenniumWindow();
    Form3* window = m_window->millenniumWindow();
    QVERIFY(window);
    QAccessibleInterface* interface = accessible(window);
    QCOMPARE(interface->text(QAccessible::Name), QStringLiteral("Статистика"));
    QVERIFY(interface->text(QAccessible::Description).isEmpty());
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    QVERIFY(!window->printedLines().isEmpty());
    QCOMPARE(interface->text(QAccessible::Description), window->printedLines().join(QLatin1Char('\n')));
}

void TestAccessibility::aboutPhotographIsNamed()
{
    m_window->openAboutWindow();
    Fr5* window = m_window->aboutWindow();
    QVERIFY(window);
    QCOMPARE(accessible(child<QLabel>(window, "Picture1"))->text(QAccessible::Name),
             QStringLiteral("Фотография автора"));
    QCOMPARE(accessible(child<QLabel>(window, "Label7"))->text(QAccessible::Name), QStringLiteral("Версия 2.0"));
}

void TestAccessibility::fixedInksStayReadable_data()
{
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<bool>("unchanged");
    const QColor black(0, 0, 0), navy(0, 0, 128), blue(0, 0, 255);
    const QColor classicFace(212, 208, 200), fusionFace(239, 239, 239), darkFace(53, 53, 53), black0(0, 0, 0);
    QTest::newRow("black on the classic face") << black << classicFace << true;
    QTest::newRow("navy on the classic face") << navy << classicFace << true;
    QTest::newRow("blue on Fusion's face") << blue << fusionFace << true;
    QTest::newRow("black on a dark face") << black << darkFace << false;
    QTest::newRow("navy on a dark face") << navy << darkFace << false;
    QTest::newRow("blue on a dark face") << blue << darkFace << false;
    QTest::newRow("blue on black") << blue << black0 << false;
}

void TestAccessibility::fixedInksStayReadable()
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

KALENDIX_WIDGET_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
