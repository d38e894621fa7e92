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
    declarePrintedText(this,
                       {[this] { return printedText(); }, [this](int offset) { return printedCharacterRect(offset); }});
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
        announce(this, printedText());
        update();
    });
}

void Form3::showEvent(QShowEvent* event)
{
    keepOffTaskbar(this);
    QWidget::showEvent(event);
}

// The lines stand one under the other from the window's top-left corner, as the design prints them.
QPoint Form3::lineOrigin(int line) const
{
    return {0, line * fontMetrics().height()};
}

QString Form3::printedText() const
{
    return m_lines.join(QLatin1Char('\n'));
}

QRect Form3::printedCharacterRect(int offset) const
{
    if (offset < 0)
        return {};
    const QFontMetrics metrics = fontMetrics();
    for (int line = 0; line < m_lines.size(); ++line) {
        const QString& text = m_lines[line];
        // Past a line's end stands the break to the next.
        if (offset <= text.size()) {
            const QString before = text.left(offset);
            const int width = offset < text.size() ? metrics.horizontalAdvance(text.mid(offset, 1)) : 0;
            return {lineOrigin(line) + QPoint(metrics.horizontalAdvance(before), 0), QSize(width, metrics.height())};
        }
        offset -= int(text.size()) + 1;
    }
    return {};
}

void Form3::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = fontMetrics().ascent();
    for (int line = 0; line < m_lines.size(); ++line)
        painter.drawText(lineOrigin(line) + QPoint(0, ascent), m_lines[line]);
}

} // namespace kalendix
