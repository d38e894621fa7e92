#include "date_picker.h"

#include "core/conversions.h"

#include <QLocale>

namespace kalendix {

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

bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

} // namespace kalendix
