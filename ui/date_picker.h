#pragma once

#include <QDate>
#include <QDateEdit>

namespace kalendix {

// A date edit with a drop-down calendar that answers with the program's date values.
class DatePicker final : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    double dateValue() const;

    // Settles an entry the picker cannot take the way leaving the picker does: the text goes back to the date held.
    void settle();

    // Drops the calendar down, as a click on the arrow does; F4 and Alt+Down do it from the keyboard.
    void openCalendar();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchCalendar();

    // A digit that filled its section has already moved on to the next; a separator typed right after it is the one
    // the user meant for that move, not a second one.
    bool m_movedByDigit = false;
    bool m_watchingCalendar = false;
    bool m_calendarCancelled = false;
    QDate m_dateAtOpen;
};

} // namespace kalendix
