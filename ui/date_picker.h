#pragma once

#include "core/typed_date.h"

#include <QAbstractSpinBox>
#include <QDate>
#include <QStyle>

class QCalendarWidget;
class QStyleOptionComboBox;

namespace kalendix {

class CalendarPopup;

// A date field with a drop-down calendar. It holds one date, changed only by a date the user completes: an entry
// typed or pasted and then taken (Enter, "Start>>", leaving the field), a step (Up/Down, PageUp/PageDown, the wheel)
// or a day chosen in the calendar. While the user types, the field shows what was typed; an entry that is no date
// stays in the field, marked, with the reason in its tooltip, and the date held does not change.
class DatePicker final : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Holds and shows a date in the range; anything else is ignored.
    void setDate(QDate date);
    double dateValue() const;

    // Takes the entry in the field, if there is one: a date becomes the date held, and anything else stays marked.
    // Returns whether the field shows the date held.
    bool settle();

    // Drops the calendar down, as a press on the arrow, F4 or Alt+Down does.
    void openCalendar();

    // The drop-down calendar, once it has been opened; its window is the popup.
    QCalendarWidget* dropDown() const;

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the field shows: the date held; an entry being typed over it; or an entry that was no date, marked with
    // the reason until the next key.
    enum class State { Holding, Typing, Refused };

    QStyleOptionComboBox comboOption() const;
    QRect comboRect(QStyle::SubControl part) const;
    QString heldText() const;
    DatePart partUnderCursor() const;

    // The moves between the states, each leaving the field as its state says; setState ends a refusal's mark.
    void hold(QDate date);
    void beginEntry(DatePart part);
    void refuse(EntryVerdict verdict);

    // What is written over the whole date held, or over an entry refused, starts an entry of its own. Every way of
    // writing into the field asks this first (a key that types, a paste by keys, by the context menu or by the middle
    // button); it returns whether an entry began.
    bool beginEntryIfAfresh();
    void setState(State next);

    QDate m_date;
    State m_state = State::Holding;
    // Where the user was in the field when the entry began: a lone number typed replaces that part.
    DatePart m_entryPart = DatePart::Day;
    CalendarPopup* m_popup = nullptr;
};

} // namespace kalendix
