#include "millennium_window.h"

#include "accessibility.h"
#include "colours.h"
#include "look.h"
#include "program_icon.h"
#include "runtime_error.h"
#include "screen_placement.h"
#include "twips.h"
#include "window_system.h"

#include "core/millennium.h"

#include <QPainter>
#include <QPushButton>

#include <utility>

namespace kalendix {

namespace {

// The design, in twips.
constexpr int clientWidth = 5355;
constexpr int clientHeight = 990;
constexpr TwipsRect command1Rect{4080, 600, 1215, 345};

} // namespace

Form3::Form3(Clock clock, const Look& look)
    : m_clock(std::move(clock))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Статистика"));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // Closing removes the window; the next menu command makes it afresh, centred and empty. Without an owner it
    // counts as one of the program's windows: the program lives on while it is open.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose);
    setFont(look.captionFont(8.25, true));
    QPalette colours = palette();
    const QColor face = systemColor(SystemColor::ButtonFace);
    colours.setColor(QPalette::Window, face);
    colours.setColor(QPalette::WindowText, readableOn(Qt::black, face));
    setPalette(colours);
    setAutoFillBackground(true);

    Command1 = new QPushButton(QStringLiteral("Start>>"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(look.captionFont(11.25, true, true));
    Command1->setGeometry(command1Rect.toPixels());
    Command1->setFocus();
    // It always holds the focus, and Enter presses it as in any dialog.
    Command1->setDefault(true);
    Command1->setAccessibleName(QStringLiteral("Start"));
    Command1->setAccessibleDescription(QStringLiteral("Показать, сколько дней прошло с начала тысячелетий"));
    connect(Command1, &QPushButton::clicked, this, &Form3::showMillennia);

    const QSize size(fromTwips(clientWidth), fromTwips(clientHeight));
    setFixedSize(size);
    placeWindow(this, &centredFrame);
}

void Form3::showMillennia()
{
    guarded([this] {
        m_lines.clear();
        const double today = m_clock();
        for (const std::string& line : millenniumLines(today))
            m_lines.append(QString::fromStdString(line));
        // The lines are painted, not held by a control: a screen reader is told them.
        announce(this, m_lines.join(QLatin1Char('\n')));
        update();
    });
}

void Form3::showEvent(QShowEvent* event)
{
    keepOffTaskbar(this);
    QWidget::showEvent(event);
}

void Form3::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int top = 0;
    for (const QString& line : std::as_const(m_lines)) {
        painter.drawText(QPoint(0, top + metrics.ascent()), line);
        top += metrics.height();
    }
}

} // namespace kalendix
