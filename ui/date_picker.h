#pragma once

#include <QDateEdit>

namespace kalendix {

// A date edit with a drop-down calendar that answers with the program's date values.
class DatePicker final : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    double dateValue() const;

protected:
    // Tab leaves the picker, as from any other control; the arrow keys move between day, month and year.
    bool focusNextPrevChild(bool next) override;
};

} // namespace kalendix
