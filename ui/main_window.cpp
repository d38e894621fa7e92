#include "main_window.h"

#include "about_window.h"
#include "accessibility.h"
#include "colours.h"
#include "date_picker.h"
#include "float_progress_bar.h"
#include "look.h"
#include "millennium_window.h"
#include "program_icon.h"
#include "result_box.h"
#include "runtime_error.h"
#include "screen_placement.h"
#include "twips.h"

#include "core/spoken.h"
#include "core/statistics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace kalendix {

namespace {

// The design, in twips. The window's client area sits at a fixed place on the screen, below the menu bar.
constexpr int clientLeft = 5355;
constexpr int clientTop = 4905;
constexpr int clientWidth = 3765;
constexpr int clientHeight = 3420;

constexpr TwipsRect label1Rect{120, 0, 255, 375};
constexpr TwipsRect dtRect{360, 0, 1335, 375};
constexpr TwipsRect command1Rect{2040, 0, 1335, 345};
constexpr TwipsRect label2Rect{120, 480, 855, 375};
constexpr TwipsRect progressBar1Rect{120, 3120, 3540, 240};
constexpr int resultBoxLeft = 960;
constexpr int resultBoxWidth = 1455;
constexpr int resultBoxHeight = 285;
constexpr int unitLabelLeft = 2400;

constexpr int firstRowTop = 480;
constexpr int rowStep = 360;

// A figure's box and the unit caption beside it. The backslash is shown as it stands, between the two word forms it
// separates.
struct FigureRow
{
    const char* labelName;
    const char* caption;
    const char* spokenName; // what a screen reader says for the box and its caption: the caption reads badly aloud
    int labelWidth;
    int labelHeight;
    SystemColor labelBackground;
};

constexpr FigureRow rowOf(Figure figure)
{
    switch (figure) {
    case Figure::Years:
        return {"Label3", " лет\\год(а)", "Прошло лет", 975, 255, SystemColor::Menu};
    case Figure::Months:
        return {"Label8", " месяц(ев)", "Прошло месяцев", 975, 375, SystemColor::ButtonFace};
    case Figure::Weeks:
        return {"Label9", " недель\\недели", "Прошло недель", 1335, 255, SystemColor::ButtonFace};
    case Figure::Days:
        return {"Label4", " дней\\день", "Прошло дней", 975, 255, SystemColor::Menu};
    case Figure::Hours:
        return {"Label5", " час(ов)", "Прошло часов", 735, 255, SystemColor::Menu};
    case Figure::Minutes:
        return {"Label6", " минут", "Прошло минут", 735, 255, SystemColor::Menu};
    case Figure::Seconds:
        return {"Label7", " секунд", "Прошло секунд", 735, 255, SystemColor::Menu};
    }
    return {};
}

constexpr int tickMilliseconds = 100;

// The window's face, in the light edge colour. Painted rather than set in its palette, which every control on it
// would take: the date picker keeps its platform's colours.
class WindowFace final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter(this).fillRect(event->rect(), systemColor(SystemColor::Light3D));
    }
};

QLabel* createLabel(QWidget* parent,
                    const char* name,
                    const QString& caption,
                    const TwipsRect& rect,
                    const QFont& font,
                    SystemColor background)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(font);
    label->setGeometry(rect.toPixels());
    paintBackground(label, background);
    return label;
}

} // namespace

Form1::Form1(Clock clock, Look look, QWidget* parent)
    : QWidget(parent)
    , m_clock(std::move(clock))
    , m_look(std::move(look))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kalendix v 2.0"));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(m_look.dialogFont());

    createControls();
    createMenus();
    placeOnScreen();
}

Form1::~Form1()
{
    delete m_millenniumWindow.data();
    delete m_aboutWindow.data();
}

Form3* Form1::millenniumWindow() const
{
    return m_millenniumWindow;
}

Fr5* Form1::aboutWindow() const
{
    return m_aboutWindow;
}

void Form1::createControls()
{
    auto* client = new WindowFace(this);
    m_client = client;
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(fromTwips(clientWidth), fromTwips(clientHeight));
    m_menuBar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(client);

    Label1 = createLabel(client, "Label1", QStringLiteral("С"), label1Rect, m_look.captionFont(9.75, true),
                         SystemColor::Light3D);

    DT = new DatePicker(client);
    DT->setObjectName(QStringLiteral("DT"));
    DT->setFont(m_look.captionFont(8.25, false));
    DT->setGeometry(dtRect.toPixels());
    DT->setDate(QDate(2001, 1, 1));
    DT->setAccessibleName(QStringLiteral("Дата, с которой считать"));

    Command1 = new QPushButton(QStringLiteral("Start>>"), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(m_look.captionFont(12, true, true));
    Command1->setGeometry(command1Rect.toPixels());
    paintBackground(Command1, SystemColor::Menu);
    // Enter presses it from anywhere in the window (see keyPressEvent); the flag draws it as the default button.
    Command1->setDefault(true);
    Command1->setAccessibleName(QStringLiteral("Start"));
    Command1->setAccessibleDescription(QStringLiteral("Подсчитать, сколько времени прошло с выбранной даты"));
    connect(Command1, &QPushButton::clicked, this, &Form1::startRun);

    Label2 = createLabel(client, "Label2", QStringLiteral("прошло:"), label2Rect, m_look.captionFont(9.75, true),
                         SystemColor::ButtonFace);

    const QFont unitFont = m_look.captionFont(8.25, true);
    for (std::size_t place = 0; place < shownOrder.size(); ++place) {
        const Figure figure = shownOrder[place];
        const FigureRow row = rowOf(figure);
        const int top = firstRowTop + int(place) * rowStep;
        auto* box = new ResultBox(client);
        m_boxes[indexOf(figure)] = box;
        // The boxes are numbered in the order the figures are computed.
        box->setObjectName(QStringLiteral("T%1").arg(indexOf(figure) + 1));
        box->setGeometry(TwipsRect{resultBoxLeft, top, resultBoxWidth, resultBoxHeight}.toPixels());
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setMaxLength(std::numeric_limits<int>::max());
        paintBackground(box, SystemColor::InfoBackground);
        box->setAccessibleName(QString::fromUtf8(row.spokenName));
        QLabel* caption =
            createLabel(client, row.labelName, QString::fromUtf8(row.caption),
                        TwipsRect{unitLabelLeft, top, row.labelWidth, row.labelHeight}, unitFont, row.labelBackground);
        caption->setBuddy(box);
        // A screen reader names the box by its caption, and would read out the backslash and the brackets.
        caption->setAccessibleName(box->accessibleName());
    }

    ProgressBar1 = new FloatProgressBar(client);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(progressBar1Rect.toPixels());
    ProgressBar1->setAccessibleName(QStringLiteral("Ход подсчёта"));
    // The bar's groove is drawn in the window's face colour.
    paintBackground(ProgressBar1, SystemColor::Light3D);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &Form1::onTick);

    QWidget* const tabOrder[] = {DT,
                                 box(Figure::Days),
                                 box(Figure::Seconds),
                                 Command1,
                                 box(Figure::Hours),
                                 box(Figure::Minutes),
                                 box(Figure::Years),
                                 box(Figure::Months),
                                 box(Figure::Weeks)};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    DT->setFocus();
}

void Form1::createMenus()
{
    // The menu bar takes the font Qt keeps for menu bars rather than the window's: on Windows that is the desktop's
    // menu font; elsewhere the application's font, which the application sets to the dialog font.
    menuBar()->setFont(QApplication::font("QMenuBar"));
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Файл"));
    fileMenu->setObjectName(QStringLiteral("фл"));
    QAction* statistics = fileMenu->addAction(QStringLiteral("&Статистика"), this, &Form1::openMillenniumWindow);
    statistics->setObjectName(QStringLiteral("Ст"));
    fileMenu->addSeparator()->setObjectName(QStringLiteral("Gk"));
    QAction* exit = fileMenu->addAction(QStringLiteral("&Выход"), this, &Form1::exitProgram);
    exit->setObjectName(QStringLiteral("вхд"));

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("Помо&щь"));
    helpMenu->setObjectName(QStringLiteral("пмщ"));
    QAction* about = helpMenu->addAction(QStringLiteral("О п&рограмме..."), this, &Form1::openAboutWindow);
    about->setObjectName(QStringLiteral("прг"));
}

void Form1::placeOnScreen()
{
    // The area inside the frame holds the menu bar above the controls. Its height is the one the window's layout
    // will give it: some styles draw the bar taller for a given width than its size hint says.
    const int width = fromTwips(clientWidth);
    const int forWidth = menuBar()->heightForWidth(width);
    const int menuHeight =
        std::max(forWidth >= 0 ? forWidth : menuBar()->sizeHint().height(), menuBar()->minimumSizeHint().height());
    setFixedSize(width, fromTwips(clientHeight) + menuHeight);
    const QPoint designed(fromTwips(clientLeft), fromTwips(clientTop) - menuHeight);
    placeWindow(this, [designed](const QRect& screen, const QRect& /*available*/, QSize size, const QMargins& margins) {
        return QRect(screen.topLeft() + designed - QPoint(margins.left(), margins.top()), size.grownBy(margins));
    });
}

void Form1::startRun()
{
    guarded([this] {
        // The figures count from the date on show: an entry in the picker that is no date starts nothing.
        if (!DT->settle())
            return;
        ProgressBar1->setProgress(0.0f);
        ProgressBar1->setVisible(true);
        if (!Timer1->isActive())
            Timer1->start();
    });
}

void Form1::onTick()
{
    guarded([this] {
        const float progress = ProgressBar1->progress();
        if (!(progress < 100.0f))
            return;
        ProgressBar1->setProgress(progress + 10.0f);
        if (ProgressBar1->progress() != 100.0f)
            return;

        // The animation has ended: a timer left running would wake the program ten times a second for nothing.
        Timer1->stop();
        m_runDate = m_clock();
        const Figures figures = computeFigures(m_runDate, DT->dateValue());
        for (std::size_t i = 0; i < figures.size(); ++i)
            m_boxes[i]->setText(QString::fromStdString(figures[i]));
        ProgressBar1->setVisible(false);
        announce(this, QString::fromStdString(spokenFigures(figures)));
    });
}

namespace {

// Shows a side window as the user expects of a menu command, whatever state it was left in: a minimised window has
// no taskbar button of its own to be found by.
void bringBack(QWidget* window)
{
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void Form1::openMillenniumWindow()
{
    guarded([this] {
        if (!m_millenniumWindow)
            m_millenniumWindow = new Form3(m_clock, m_look);
        bringBack(m_millenniumWindow);
    });
}

void Form1::openAboutWindow()
{
    guarded([this] {
        if (!m_aboutWindow)
            m_aboutWindow = new Fr5(m_look);
        bringBack(m_aboutWindow);
    });
}

void Form1::exitProgram()
{
    // Stop first, so that a run under way writes nothing more. The side windows go before this one, which would
    // otherwise bring a minimised one back only to close it.
    Timer1->stop();
    for (QWidget* side : sideWindows())
        side->close();
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    QWidget::closeEvent(event);
    // The program lives on in its side windows, which have no taskbar button: a minimised one would leave nothing on
    // screen to bring it back by.
    if (event->isAccepted())
        for (QWidget* side : sideWindows())
            if (side->isVisible() && side->isMinimized())
                side->setWindowState(side->windowState() & ~Qt::WindowMinimized);
}

std::vector<QWidget*> Form1::sideWindows() const
{
    std::vector<QWidget*> open;
    for (QWidget* side :
         {static_cast<QWidget*>(m_millenniumWindow.data()), static_cast<QWidget*>(m_aboutWindow.data())})
        if (side)
            open.push_back(side);
    return open;
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // Keys the focused control leaves alone reach the window, as in a dialog: Enter presses "Start>>".
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kalendix
