#include "date_picker.h"

#include "screen_placement.h"

#include "core/conversions.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kalendix {

namespace {

// What people type between day, month and year, whatever the shown separator is.
bool isSeparator(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return text.size() == 1 && QStringLiteral("./-, ").contains(text.front());
}

bool isDigit(const QKeyEvent* event)
{
    return event->text().size() == 1 && event->text().front().isDigit();
}

bool isModifierKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

QRect arrowRect(const QDateEdit* picker)
{
    QStyleOptionComboBox option;
    option.initFrom(picker);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    return picker->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, picker);
}

// The drop-down: the picker's own, so that nothing reaches the date until a day is chosen with a click or Enter, and
// Escape or a click elsewhere leaves the date as it was.
class CalendarPopup final : public QWidget
{
public:
    explicit CalendarPopup(QDateEdit* picker)
        : QWidget(picker, Qt::Popup)
        , m_picker(picker)
    {
        setAttribute(Qt::WA_WindowPropagation);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(QMargins());
        layout->setSpacing(0);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        // A press on the picker's arrow closes the popup; passed on to the picker, it would open it again at once.
        QRect arrow = arrowRect(m_picker);
        arrow.moveTopLeft(m_picker->mapToGlobal(arrow.topLeft()));
        if (arrow.contains(event->globalPosition().toPoint()))
            setAttribute(Qt::WA_NoMouseReplay);
        QWidget::mousePressEvent(event);
    }

private:
    QDateEdit* m_picker;
};

} // namespace

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent)
{
    // Russian month and day names in the calendar, and the short numeric date a Russian user reads at a glance.
    setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // Drawn with the drop-down arrow; the picker opens its own calendar on a press on it (see mousePressEvent).
    setCalendarPopup(true);
    setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
}

double DatePicker::dateValue() const
{
    const QDate picked = date();
    return kalendix::dateValue(picked.year(), picked.month(), picked.day());
}

void DatePicker::settle()
{
    if (m_entry.active)
        judgeEntry();
    // Acceptable text is taken as it stands; anything else makes the edit show the date it holds again.
    interpretText();
    if (text() != textFromDateTime(dateTime()))
        setDate(date());
}

void DatePicker::openCalendar()
{
    settle();
    if (!m_popup) {
        m_popup = new CalendarPopup(this);
        m_calendar = new QCalendarWidget(m_popup);
        m_calendar->setLocale(locale());
        m_calendar->setFirstDayOfWeek(locale().firstDayOfWeek());
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        m_popup->layout()->addWidget(m_calendar);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DatePicker::chooseFromCalendar);
        connect(m_calendar, &QCalendarWidget::activated, this, &DatePicker::chooseFromCalendar);
    }
    m_calendar->setDateRange(minimumDate(), maximumDate());
    m_calendar->setSelectedDate(date());
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
}

void DatePicker::chooseFromCalendar(QDate date)
{
    setDate(date);
    m_popup->close();
}

void DatePicker::stepSection(bool forward)
{
    const int target = std::clamp(currentSectionIndex() + (forward ? 1 : -1), 0, sectionCount() - 1);
    setCurrentSectionIndex(target);
    setSelectedSection(sectionAt(target));
}

void DatePicker::beginEntry()
{
    m_entry = Entry{};
    m_entry.active = true;
    m_entry.section = currentSectionIndex();
    m_entry.held = date();
}

bool DatePicker::recordKey(const QKeyEvent* event)
{
    Entry& entry = m_entry;
    if (isSeparator(event)) {
        if (!entry.advancedByDigit && entry.section < 2)
            ++entry.section;
        entry.advancedByDigit = false;
        return false;
    }
    QString& digits = entry.digits[entry.section];
    digits += event->text();
    // A section is full at its width, or as soon as no further digit could make a day or month of it.
    const int first = digits.front().digitValue();
    const bool full =
        entry.section == 2 ? digits.size() == 4 : digits.size() == 2 || first > (entry.section == 0 ? 3 : 1);
    entry.advancedByDigit = false;
    if (!full)
        return false;
    if (entry.section == 2)
        return true;
    ++entry.section;
    entry.advancedByDigit = true;
    return false;
}

void DatePicker::judgeEntry()
{
    const Entry entry = m_entry;
    m_entry.active = false;
    const auto value = [&entry](int section, int held) {
        return entry.digits[section].isEmpty() ? held : entry.digits[section].toInt();
    };
    const QDate typed(value(2, entry.held.year()), value(1, entry.held.month()), value(0, entry.held.day()));
    if (typed.isValid() && typed >= minimumDate() && typed <= maximumDate()) {
        setDate(typed);
        return;
    }
    setDate(entry.held);
    flash();
    emit entryRefused();
}

void DatePicker::flash()
{
    if (m_flashing)
        return;
    m_flashing = true;
    const QPalette steady = palette();
    QPalette alarm = steady;
    alarm.setColor(QPalette::Base, steady.color(QPalette::Highlight));
    alarm.setColor(QPalette::Text, steady.color(QPalette::HighlightedText));
    setPalette(alarm);
    QTimer::singleShot(flashMilliseconds, this, [this, steady] {
        setPalette(steady);
        m_flashing = false;
    });
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if (event->key() == Qt::Key_F4 || altDown) {
        openCalendar();
        event->accept();
        return;
    }
    const bool ctrlArrow =
        (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && event->modifiers() == Qt::ControlModifier;
    if (isSeparator(event) || ctrlArrow) {
        // Both move between the sections and never out of the picker.
        const bool swallow = !ctrlArrow && m_movedByDigit;
        m_movedByDigit = false;
        if (m_entry.active && !ctrlArrow)
            recordKey(event);
        else
            m_entry.active = false;
        if (!swallow)
            stepSection(ctrlArrow ? event->key() == Qt::Key_Right : true);
        event->accept();
        return;
    }
    if (isDigit(event)) {
        QLineEdit* edit = lineEdit();
        // At the start of the picker or of a section, a digit starts the section afresh instead of pushing the
        // digits already there along, which the edit would refuse; and it starts a whole typed date.
        if (!edit->hasSelectedText() &&
            (edit->cursorPosition() == 0 || !text().at(edit->cursorPosition() - 1).isDigit()))
            setSelectedSection(currentSection());
        if (!m_entry.active && edit->hasSelectedText()) {
            beginEntry();
            // The edit checks a day against the month it holds: a 30th or 31st, or a 29 February, typed over a
            // shorter month would be cut before the month is typed. A month and year that allow any day take
            // their place until the user types their own.
            const QDate held = m_entry.held;
            const QChar first = event->text().front();
            const bool shortMonth = first == QLatin1Char('3') && held.daysInMonth() < 31;
            const bool leapDay = first == QLatin1Char('2') && held.month() == 2 && !QDate::isLeapYear(held.year());
            if (m_entry.section == 0 && (shortMonth || leapDay)) {
                setDate(QDate(2000, 1, held.day()));
                setSelectedSection(sectionAt(0));
            }
        }
        const bool complete = m_entry.active && recordKey(event);
        const int sectionBefore = currentSectionIndex();
        QDateEdit::keyPressEvent(event);
        m_movedByDigit = currentSectionIndex() != sectionBefore;
        if (complete)
            judgeEntry();
        return;
    }
    m_movedByDigit = false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_entry.active)
            judgeEntry();
    } else if (!isModifierKey(event)) {
        // Any other editing or moving key hands the text back to the edit's own section-by-section editing.
        m_entry.active = false;
    }
    QDateEdit::keyPressEvent(event);
}

void DatePicker::mousePressEvent(QMouseEvent* event)
{
    m_movedByDigit = false;
    m_entry.active = false;
    if (event->button() == Qt::LeftButton && arrowRect(this).contains(event->position().toPoint())) {
        event->accept();
        if (!isReadOnly())
            openCalendar();
        return;
    }
    QDateEdit::mousePressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent* event)
{
    QDateEdit::focusInEvent(event);
    m_movedByDigit = false;
    m_entry.active = false;
    // Whichever way the keyboard comes in, a date typed next starts with the day: the edit itself starts a Shift+Tab
    // at the year and a return to the window at the section last used. A click puts the cursor where it was made.
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        setSelectedSection(sectionAt(0));
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    if (m_entry.active)
        judgeEntry();
    QDateEdit::focusOutEvent(event);
}

bool DatePicker::focusNextPrevChild(bool next)
{
    // Only Tab and Shift+Tab come here (separators and Ctrl+arrows move between sections in keyPressEvent). They leave
    // the picker from any section, as the edit itself does from its last or first.
    setCurrentSectionIndex(next ? sectionCount() - 1 : 0);
    return QDateEdit::focusNextPrevChild(next);
}

} // namespace kalendix
