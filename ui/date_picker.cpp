#include "date_picker.h"

#include "core/conversions.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

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

} // namespace

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent)
{
    // Russian month and day names in the calendar, and the short numeric date a Russian user reads at a glance.
    setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
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
    // Acceptable text is taken as it stands; anything else makes the edit show the date it holds again.
    interpretText();
    if (text() != textFromDateTime(dateTime()))
        setDate(date());
}

void DatePicker::openCalendar()
{
    watchCalendar();
    // The edit opens its calendar only on a press on its arrow, so that is what it is given.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    const QPointF arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    watchCalendar();
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if (event->key() == Qt::Key_F4 || altDown) {
        openCalendar();
        event->accept();
        return;
    }
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Tab leaves the picker in the window's tab order instead of stepping through its sections.
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        m_movedByDigit = false;
        QWidget::focusNextPrevChild(forward);
        event->accept();
        return;
    }
    if (isSeparator(event)) {
        if (!m_movedByDigit)
            focusNextPrevChild(true);
        m_movedByDigit = false;
        event->accept();
        return;
    }
    if (isDigit(event) && !lineEdit()->hasSelectedText()) {
        // At the start of the picker or of a section, a digit starts the section afresh instead of pushing the
        // digits already there along, which the edit would refuse.
        const int cursor = lineEdit()->cursorPosition();
        if (cursor == 0 || !text().at(cursor - 1).isDigit())
            setSelectedSection(currentSection());
    }
    const int sectionBefore = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    m_movedByDigit = isDigit(event) && currentSectionIndex() != sectionBefore;
}

void DatePicker::mousePressEvent(QMouseEvent* event)
{
    watchCalendar();
    m_movedByDigit = false;
    QDateEdit::mousePressEvent(event);
}

bool DatePicker::focusNextPrevChild(bool next)
{
    // Only Tab leaves the picker (see keyPressEvent); a separator or Ctrl+arrow at the last or first section stays.
    const int target = currentSectionIndex() + (next ? 1 : -1);
    if (target < 0 || target >= sectionCount())
        return true;
    return QDateEdit::focusNextPrevChild(next);
}

void DatePicker::watchCalendar()
{
    if (m_watchingCalendar)
        return;
    m_watchingCalendar = true;
    // The calendar writes every day the user moves to into the picker as they go, and its own Escape handling keeps
    // the last of them; the picker remembers the date from the drop-down's opening instead.
    QCalendarWidget* calendar = calendarWidget();
    calendar->window()->installEventFilter(this);
    calendar->installEventFilter(this);
    for (QWidget* part : calendar->findChildren<QWidget*>())
        part->installEventFilter(this);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    QCalendarWidget* calendar = calendarWidget();
    if (watched == calendar->window()) {
        if (event->type() == QEvent::Show) {
            m_dateAtOpen = date();
            m_calendarCancelled = false;
        } else if (event->type() == QEvent::Hide && m_calendarCancelled) {
            m_calendarCancelled = false;
            setDate(m_dateAtOpen);
        }
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
        m_calendarCancelled = true;
    return QDateEdit::eventFilter(watched, event);
}

} // namespace kalendix
