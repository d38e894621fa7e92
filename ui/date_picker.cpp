#include "date_picker.h"

#include "accessibility.h"
#include "colours.h"
#include "screen_placement.h"

#include "core/calendar.h"
#include "core/spoken.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace kalendix {

namespace {

const QString shownFormat = QStringLiteral("dd.MM.yyyy");

QDate toQDate(const CalendarDate& date)
{
    return {date.year, date.month, date.day};
}

QString refusalReason(EntryVerdict verdict)
{
    if (verdict == EntryVerdict::NoSuchDay)
        return QStringLiteral("Такой даты нет");
    if (verdict == EntryVerdict::OutOfRange)
        return QStringLiteral("Дата вне диапазона %1-%2")
            .arg(toQDate(earliestTypedDate).toString(shownFormat), toQDate(latestTypedDate).toString(shownFormat));
    return QStringLiteral("Наберите день, месяц и год, например 15.03.1990");
}

QString spoken(QDate date)
{
    return QString::fromStdString(spokenDate({date.year(), date.month(), date.day()}));
}

bool beginsEntry(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste))
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

// The drop-down, a popup window around the calendar: nothing reaches the date until a day is taken with a click or
// Enter, and Escape, F4, Alt+Up or a click elsewhere leaves the date as it was.
class DatePicker::CalendarPopup final : public QWidget
{
public:
    explicit CalendarPopup(QWidget* picker)
        : QWidget(picker, Qt::Popup)
        , calendar(new QCalendarWidget(this))
    {
        setAttribute(Qt::WA_WindowPropagation);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(QMargins());
        layout->addWidget(calendar);
        calendar->setLocale(picker->locale());
        calendar->setFirstDayOfWeek(picker->locale().firstDayOfWeek());
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        // Dates are typed into the field; the calendar's own typing misreads a Russian date.
        calendar->setDateEditEnabled(false);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_F4), QKeySequence(Qt::ALT | Qt::Key_Up), QKeySequence(Qt::ALT | Qt::Key_Down)})
            new QShortcut(keys, this, this, &QWidget::close);
        // The year field in the calendar's header keeps the focus when it closes, hidden, where no key reaches the
        // days: watch whatever in the popup takes the focus, and give it back to the days when that hides.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
            if (now && isAncestorOf(now) && now != calendar->focusProxy())
                now->installEventFilter(this);
        });
    }

    QCalendarWidget* const calendar;
    // Where the picker's arrow is on the screen while the popup is open.
    QRect arrow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && static_cast<QWidget*>(watched)->hasFocus())
            calendar->setFocus(Qt::OtherFocusReason);
        return QWidget::eventFilter(watched, event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        // A press on the picker's arrow closes the popup; passed on to the picker, it would open it again at once.
        setAttribute(Qt::WA_NoMouseReplay, arrow.contains(event->globalPosition().toPoint()));
        QWidget::mousePressEvent(event);
    }
};

DatePicker::DatePicker(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    // Russian month and day names in the calendar.
    setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    lineEdit()->installEventFilter(this);
}

void DatePicker::setDate(QDate date)
{
    if (!date.isValid() || date < toQDate(earliestTypedDate) || date > toQDate(latestTypedDate))
        return;
    m_date = date;
    clearMark();
    lineEdit()->setText(heldText());
    // The next key typed starts a new entry, whatever it is.
    selectAll();
}

double DatePicker::dateValue() const
{
    return kalendix::dateValue(m_date.year(), m_date.month(), m_date.day());
}

QString DatePicker::heldText() const
{
    return m_date.toString(shownFormat);
}

DatePart DatePicker::partUnderCursor() const
{
    const QLineEdit* edit = lineEdit();
    const int position = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return partBefore(edit->text().left(position).toStdString());
}

bool DatePicker::settle()
{
    const QString entry = lineEdit()->text();
    if (entry == heldText())
        return true;
    const CalendarDate held{m_date.year(), m_date.month(), m_date.day()};
    const TypedDate read = readTypedDate(entry.toStdString(), m_entryPart, held);
    if (read.verdict == EntryVerdict::Date) {
        setDate(toQDate(read.date));
        return true;
    }
    markRefusal(read.verdict);
    return false;
}

void DatePicker::markRefusal(EntryVerdict verdict)
{
    const QString reason = refusalReason(verdict);
    QPalette marked;
    marked.setColor(QPalette::Text, readableOn(QColor(0xc0, 0, 0), lineEdit()->palette().color(QPalette::Base)));
    lineEdit()->setPalette(marked);
    setToolTip(reason);
    m_refused = true;
    // Selected, the entry would show in the selection's colours rather than the mark's.
    lineEdit()->deselect();
    // Said at once, also when "Start>>" or Tab took the focus away: the colour alone does not say why.
    if (isVisible() && isActiveWindow())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), reason, this);
    announce(this, reason, Urgency::Assertive);
}

void DatePicker::clearMark()
{
    if (!m_refused)
        return;
    m_refused = false;
    // Only the reason's own tooltip goes: another the application shows stays.
    if (QToolTip::isVisible() && QToolTip::text() == toolTip())
        QToolTip::hideText();
    setToolTip(QString());
    lineEdit()->setPalette(QPalette());
}

void DatePicker::stepBy(int steps)
{
    const DatePart part = partUnderCursor();
    if (!settle())
        return;
    QDate next = part == DatePart::Day     ? m_date.addDays(steps)
                 : part == DatePart::Month ? m_date.addMonths(steps)
                                           : m_date.addYears(steps);
    setDate(std::clamp(next, toQDate(earliestTypedDate), toQDate(latestTypedDate)));
    // The part stepped stays chosen, for the next step or a number typed over it.
    constexpr int starts[] = {0, 3, 6};
    constexpr int lengths[] = {2, 2, 4};
    lineEdit()->setSelection(starts[int(part)], lengths[int(part)]);
}

QAbstractSpinBox::StepEnabled DatePicker::stepEnabled() const
{
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

QStyleOptionComboBox DatePicker::comboOption() const
{
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = hasFrame();
    option.subControls = QStyle::SC_ComboBoxFrame | QStyle::SC_ComboBoxEditField | QStyle::SC_ComboBoxArrow;
    if (isReadOnly())
        option.state &= ~QStyle::State_Enabled;
    return option;
}

QRect DatePicker::comboRect(QStyle::SubControl part) const
{
    const QStyleOptionComboBox option = comboOption();
    return style()->subControlRect(QStyle::CC_ComboBox, &option, part, this);
}

void DatePicker::paintEvent(QPaintEvent* /*event*/)
{
    // Drawn as a drop-down field, as a date picker is, rather than as a spin box.
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_ComboBox, comboOption());
}

void DatePicker::resizeEvent(QResizeEvent* event)
{
    QAbstractSpinBox::resizeEvent(event);
    lineEdit()->setGeometry(comboRect(QStyle::SC_ComboBoxEditField));
}

void DatePicker::changeEvent(QEvent* event)
{
    QAbstractSpinBox::changeEvent(event);
    // The spin box lays its field out anew for a new style; this field leaves room for the arrow instead.
    if (event->type() == QEvent::StyleChange)
        lineEdit()->setGeometry(comboRect(QStyle::SC_ComboBoxEditField));
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta) {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    // Alt chords are for menus, as in any desktop text field: a letter with Alt is not typed. Alt with Ctrl is AltGr
    // on Windows, which types.
    if ((event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier && !event->text().isEmpty() &&
        event->text().front().isPrint()) {
        event->ignore();
        return;
    }
    const bool fresh = writesAfresh();
    clearMark();
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && event->modifiers() == Qt::AltModifier)) {
        openCalendar();
        return;
    }
    if (key == Qt::Key_Escape && lineEdit()->text() != heldText()) {
        setDate(m_date);
        announce(this, spoken(m_date));
        return;
    }
    if (fresh && beginsEntry(event))
        beginEntry();
    QAbstractSpinBox::keyPressEvent(event);
}

bool DatePicker::writesAfresh() const
{
    // What is written into the field showing the date held, over all of it, or over an entry just refused, starts an
    // entry of its own: a whole date is read whole, never spliced into what was there. A refused entry is mended by
    // moving into it first, and a part of the text selected is replaced alone, as in any text field.
    const QLineEdit* edit = lineEdit();
    const bool partSelected = edit->hasSelectedText() && edit->selectedText() != edit->text();
    return (edit->text() == heldText() && !partSelected) || edit->selectedText() == edit->text() || m_refused;
}

void DatePicker::beginEntry()
{
    m_entryPart = partUnderCursor();
    lineEdit()->selectAll();
}

void DatePicker::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu's paste is read as Ctrl+V's is.
    if (writesAfresh()) {
        clearMark();
        beginEntry();
    }
    QAbstractSpinBox::contextMenuEvent(event);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    // So is a middle-click's, which the field would insert where the click fell.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection() && writesAfresh()) {
        clearMark();
        beginEntry();
        lineEdit()->insert(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    return QAbstractSpinBox::eventFilter(watched, event);
}

void DatePicker::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        comboRect(QStyle::SC_ComboBoxArrow).contains(event->position().toPoint()) && !isReadOnly()) {
        event->accept();
        openCalendar();
        return;
    }
    QAbstractSpinBox::mousePressEvent(event);
}

void DatePicker::wheelEvent(QWheelEvent* event)
{
    // The wheel steps the part under the pointer.
    QLineEdit* edit = lineEdit();
    edit->setCursorPosition(edit->cursorPositionAt(edit->mapFrom(this, event->position().toPoint())));
    QAbstractSpinBox::wheelEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    // A menu or the calendar over the field, the menu bar taking the keyboard, or another window, leaves the entry as
    // it stands, to go on with.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason && reason != Qt::ActiveWindowFocusReason)
        settle();
    QAbstractSpinBox::focusOutEvent(event);
}

void DatePicker::openCalendar()
{
    settle();
    if (!m_popup) {
        m_popup = new CalendarPopup(this);
        m_calendar = m_popup->calendar;
        m_calendar->setDateRange(toQDate(earliestTypedDate), toQDate(latestTypedDate));
        connect(m_calendar, &QCalendarWidget::clicked, this, &DatePicker::chooseFromCalendar);
        connect(m_calendar, &QCalendarWidget::activated, this, &DatePicker::chooseFromCalendar);
        // The header's month arrows and menu, its year field and the wheel turn the page and frame the same day
        // there, but leave the day chosen where it was: the day framed is the one Enter takes.
        connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
            const QDate chosen = m_calendar->selectedDate();
            if (chosen.year() != year || chosen.month() != month)
                m_calendar->setSelectedDate(
                    QDate(year, month, std::min(chosen.day(), QDate(year, month, 1).daysInMonth())));
        });
        // The day a sighted user sees framed, with the month and year over it.
        connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
            if (m_popup->isVisible())
                announce(m_calendar, spoken(m_calendar->selectedDate()));
        });
    }
    const QRect arrow = comboRect(QStyle::SC_ComboBoxArrow);
    m_popup->arrow = QRect(mapToGlobal(arrow.topLeft()), arrow.size());
    m_calendar->setSelectedDate(m_date);
    m_popup->adjustSize();
    // Below the picker, or above it where the screen ends; never off the screen.
    const QScreen* screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QRect frame(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)), m_popup->size());
    if (!area.isEmpty() && frame.bottom() > area.bottom())
        frame.moveBottom(mapToGlobal(QPoint(0, -1)).y());
    m_popup->move(area.isEmpty() ? frame.topLeft() : fittedTopLeft(frame, area));
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
    announce(m_calendar, spoken(m_date));
}

void DatePicker::chooseFromCalendar(QDate date)
{
    m_popup->close();
    setDate(date);
}

} // namespace kalendix
