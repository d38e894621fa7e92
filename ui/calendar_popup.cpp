#include "calendar_popup.h"

#include "accessibility.h"
#include "screen_placement.h"

#include "core/spoken.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace kalendix {

QString spokenDay(QDate date)
{
    return QString::fromStdString(spokenDate({date.year(), date.month(), date.day()}));
}

CalendarPopup::CalendarPopup(QWidget* field, QDate earliest, QDate latest)
    : QWidget(field, Qt::Popup)
    , m_calendar(new QCalendarWidget(this))
{
    setAttribute(Qt::WA_WindowPropagation);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->addWidget(m_calendar);
    m_calendar->setLocale(field->locale());
    m_calendar->setFirstDayOfWeek(field->locale().firstDayOfWeek());
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Dates are typed into the field; the calendar's own typing misreads a Russian date.
    m_calendar->setDateEditEnabled(false);
    m_calendar->setDateRange(earliest, latest);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F4), QKeySequence(Qt::ALT | Qt::Key_Up), QKeySequence(Qt::ALT | Qt::Key_Down)})
        new QShortcut(keys, this, this, &QWidget::close);
    // The year field in the calendar's header keeps the focus when it closes, hidden, where no key reaches the days:
    // watch whatever in the popup takes the focus, and give it back to the days when that hides.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (now && isAncestorOf(now) && now != m_calendar->focusProxy())
            now->installEventFilter(this);
    });
    const auto choose = [this](QDate day) {
        close();
        emit chosen(day);
    };
    connect(m_calendar, &QCalendarWidget::clicked, this, choose);
    connect(m_calendar, &QCalendarWidget::activated, this, choose);
    // The header's month arrows and menu, its year field and the wheel turn the page and frame the same day there,
    // but leave the day chosen where it was: the day framed is the one Enter takes.
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QDate framed = m_calendar->selectedDate();
        if (framed.year() != year || framed.month() != month)
            m_calendar->setSelectedDate(
                QDate(year, month, std::min(framed.day(), QDate(year, month, 1).daysInMonth())));
    });
    // The day a sighted user sees framed, with the month and year over it.
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (isVisible())
            announce(m_calendar, spokenDay(m_calendar->selectedDate()));
    });
    // The grid of days, which takes the calendar's focus, and the year field in its header, named for a listener.
    m_calendar->focusProxy()->setAccessibleName(QStringLiteral("Календарь"));
    if (auto* year = m_calendar->findChild<QSpinBox*>())
        year->setAccessibleName(QStringLiteral("Год"));
}

void CalendarPopup::open(QDate day, const QRect& arrow)
{
    m_arrow = arrow;
    m_calendar->setSelectedDate(day);
    adjustSize();
    const QWidget* field = parentWidget();
    const QScreen* screen = field->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QRect frame(field->mapToGlobal(field->rect().bottomLeft() + QPoint(0, 1)), size());
    if (!area.isEmpty() && frame.bottom() > area.bottom())
        frame.moveBottom(field->mapToGlobal(QPoint(0, -1)).y());
    move(area.isEmpty() ? frame.topLeft() : fittedTopLeft(frame, area));
    show();
    m_calendar->setFocus(Qt::PopupFocusReason);
    announce(m_calendar, spokenDay(day));
}

bool CalendarPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && static_cast<QWidget*>(watched)->hasFocus())
        m_calendar->setFocus(Qt::OtherFocusReason);
    return QWidget::eventFilter(watched, event);
}

void CalendarPopup::mousePressEvent(QMouseEvent* event)
{
    // A press on the field's arrow closes the popup; passed on to the field, it would open it again at once.
    setAttribute(Qt::WA_NoMouseReplay, m_arrow.contains(event->globalPosition().toPoint()));
    QWidget::mousePressEvent(event);
}

} // namespace kalendix
