#include "date_picker.h"

#include "accessibility.h"
#include "calendar_popup.h"
#include "colours.h"

#include "core/calendar.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

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

bool beginsEntry(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste))
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

DatePicker::DatePicker(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    // Russian month and day names in the calendar.
    setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    lineEdit()->installEventFilter(this);
    // However the user changes the text (keys, a paste, a drop, undo), it is no longer the date held.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_state == State::Typing || (m_state == State::Holding && text == heldText()))
            return;
        if (m_state == State::Holding)
            m_entryPart = partUnderCursor();
        setState(State::Typing);
    });
}

void DatePicker::setDate(QDate date)
{
    if (!date.isValid() || date < toQDate(earliestTypedDate) || date > toQDate(latestTypedDate))
        return;
    hold(date);
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
    if (m_state == State::Holding)
        return true;
    const QString entry = lineEdit()->text();
    if (entry == heldText()) {
        setState(State::Holding);
        return true;
    }
    const CalendarDate held{m_date.year(), m_date.month(), m_date.day()};
    const TypedDate read = readTypedDate(entry.toStdString(), m_entryPart, held);
    if (read.verdict == EntryVerdict::Date) {
        hold(toQDate(read.date));
        return true;
    }
    refuse(read.verdict);
    return false;
}

void DatePicker::setState(State next)
{
    if (m_state == State::Refused && next != State::Refused) {
        // Only the reason's own tooltip goes: another the application shows stays.
        if (QToolTip::isVisible() && QToolTip::text() == toolTip())
            QToolTip::hideText();
        setToolTip(QString());
        lineEdit()->setPalette(QPalette());
    }
    m_state = next;
}

void DatePicker::hold(QDate date)
{
    m_date = date;
    setState(State::Holding);
    lineEdit()->setText(heldText());
    // The next key typed starts a new entry, whatever it is.
    selectAll();
}

void DatePicker::beginEntry(DatePart part)
{
    m_entryPart = part;
    setState(State::Typing);
    lineEdit()->selectAll();
}

void DatePicker::refuse(EntryVerdict verdict)
{
    setState(State::Refused);
    const QString reason = refusalReason(verdict);
    QPalette marked;
    marked.setColor(QPalette::Text, readableOn(QColor(0xc0, 0, 0), lineEdit()->palette().color(QPalette::Base)));
    lineEdit()->setPalette(marked);
    setToolTip(reason);
    // Selected, the entry would show in the selection's colours rather than the mark's.
    lineEdit()->deselect();
    // Said at once, also when "Start>>" or Tab took the focus away: the colour alone does not say why.
    if (isVisible() && isActiveWindow())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), reason, this);
    announce(this, reason, Urgency::Assertive);
}

bool DatePicker::beginEntryIfAfresh()
{
    // A whole date is read whole, never spliced into what was there. A refused entry is mended by moving into it
    // first, and a part of the text selected is replaced alone, as in any text field.
    const QLineEdit* edit = lineEdit();
    const bool allSelected = edit->selectedText() == edit->text();
    const bool partSelected = edit->hasSelectedText() && !allSelected;
    if ((m_state == State::Holding && !partSelected) || allSelected || m_state == State::Refused) {
        beginEntry(partUnderCursor());
        return true;
    }
    return false;
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
    if (beginsEntry(event))
        beginEntryIfAfresh();
    else if (m_state == State::Refused)
        setState(State::Typing); // any other key ends the mark: the entry is being mended
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && event->modifiers() == Qt::AltModifier)) {
        openCalendar();
        return;
    }
    if (key == Qt::Key_Escape && m_state != State::Holding) {
        hold(m_date);
        announce(this, spokenDay(m_date));
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void DatePicker::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu's paste is read as Ctrl+V's is.
    beginEntryIfAfresh();
    QAbstractSpinBox::contextMenuEvent(event);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    // So is a middle-click's, which the field would insert where the click fell.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection() && beginEntryIfAfresh()) {
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
        m_popup = new CalendarPopup(this, toQDate(earliestTypedDate), toQDate(latestTypedDate));
        connect(m_popup, &CalendarPopup::chosen, this, &DatePicker::setDate);
    }
    const QRect arrow = comboRect(QStyle::SC_ComboBoxArrow);
    m_popup->open(m_date, QRect(mapToGlobal(arrow.topLeft()), arrow.size()));
}

QCalendarWidget* DatePicker::dropDown() const
{
    return m_popup ? m_popup->calendar() : nullptr;
}

} // namespace kalendix
