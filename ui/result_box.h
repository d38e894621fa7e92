#pragma once

#include <QLineEdit>

namespace kalendix {

// A result box: a line edit made light for long pasted texts. Its text is never shaped (numbers and plain words need
// none). While it holds a text longer than anyone reads in one line and has the focus, its cursor stays lit instead of
// blinking: each blink makes the line edit measure and draw its whole text again, which for a pasted megabyte keeps a
// core busy for as long as the box has the focus.
class ResultBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);
    ~ResultBox() override;

    static constexpr qsizetype longTextLength = 4096;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The cursor's flash time is the application's; the box holds it at 0 only while it has the focus and a long
    // text, and hands the desktop's own value back afterwards.
    void updateBlinking();
    void restoreBlinking();

    int m_savedFlashTime = -1; // -1: the box is not holding the flash time
};

} // namespace kalendix
