#pragma once

#include <QDate>
#include <QDateEdit>

class QCalendarWidget;

namespace kalendix {

// A date edit with a drop-down calendar that answers with the program's date values.
//
// A date typed as a whole (15.03.1990, 5.3.1990, 15031990, with any of the separators people type) is judged as a
// whole once it is complete or the user leaves the picker: the edit on its own checks each day against the month it
// holds before the new month is typed, and quietly turns 29.02.2000 into 28.02.2000. A date that cannot be is not
// taken: the picker shows the date it held again and flashes.
class DatePicker final : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    double dateValue() const;

    // Settles an entry the way leaving the picker does: a whole typed date is judged, and text the picker cannot
    // take goes back to the date held.
    void settle();

    // Drops the calendar down, as a press on the arrow, F4 or Alt+Down does.
    void openCalendar();

    // The drop-down calendar; its window is the popup.
    QCalendarWidget* dropDown() const { return m_calendar; }

    static constexpr int flashMilliseconds = 400;

signals:
    // A typed date that does not exist or lies outside the picker's range was refused.
    void entryRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // What a whole date typed from the keyboard holds so far: the digits typed for each section, in the order day,
    // month, year of the shown format.
    struct Entry
    {
        bool active = false;
        int section = 0;
        bool advancedByDigit = false;
        QString digits[3];
        QDate held;
    };

    void stepSection(bool forward);
    void beginEntry();
    // Takes one key of an entry; returns whether the key completed the date.
    bool recordKey(const QKeyEvent* event);
    void judgeEntry();
    void flash();
    void chooseFromCalendar(QDate date);

    Entry m_entry;
    // A digit that filled its section has already moved on to the next; a separator typed right after it is the one
    // the user meant for that move, not a second one.
    bool m_movedByDigit = false;
    QWidget* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    bool m_flashing = false;
};

} // namespace kalendix
