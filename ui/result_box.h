#pragma once

#include <QLineEdit>

namespace kalendix {

// A result box: a line edit made light for long pasted texts. Its text is never shaped (numbers and plain words need
// none), and its cursor stops blinking while it holds more text than anyone reads in it: each blink makes the line
// edit draw its whole line again, which for a pasted megabyte keeps a core busy for as long as the box has the focus.
// The cursor stays lit instead; typing, clicking and leaving the box behave as before.
class ResultBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

    static constexpr qsizetype steadyCursorLength = 4096;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* m_control = nullptr;
};

} // namespace kalendix
