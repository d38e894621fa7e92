#pragma once

#include <QDate>
#include <QRect>
#include <QWidget>

class QCalendarWidget;

namespace kalendix {

// A day as a listener hears it: "9 января 2001, вторник".
QString spokenDay(QDate date);

// The date field's drop-down, a popup window around a calendar: nothing reaches the field until a day is taken with a
// click or Enter, and Escape, F4, Alt+Up or a click elsewhere leaves the date as it was.
class CalendarPopup final : public QWidget
{
    Q_OBJECT

public:
    // Days outside the range cannot be framed or taken.
    CalendarPopup(QWidget* field, QDate earliest, QDate latest);

    QCalendarWidget* calendar() const { return m_calendar; }

    // Drops down below the field, or above it where the screen ends, never off the screen, with the day framed.
    // The field's arrow, in global coordinates, closes the popup rather than opening it again.
    void open(QDate day, const QRect& arrow);

signals:
    void chosen(QDate day);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QCalendarWidget* const m_calendar;
    QRect m_arrow;
};

} // namespace kalendix
