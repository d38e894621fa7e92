#pragma once

#include "clock.h"
#include "look.h"

#include <QStringList>
#include <QWidget>

class QPushButton;

namespace kalendix {

// "Статистика": prints the days since the starts of the third and the second millennium.
class Form3 final : public QWidget
{
    Q_OBJECT

public:
    Form3(Clock clock, const Look& look);

    // What the window shows: empty until "Start>>" is pressed, then the two lines of the last press.
    QStringList printedLines() const { return m_lines; }

public slots:
    void showMillennia();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPoint lineOrigin(int line) const;
    // The lines as one text, a line break between each two.
    QString printedText() const;
    // Where the character at an offset of that text stands in the window.
    QRect printedCharacterRect(int offset) const;

    Clock m_clock;
    QPushButton* Command1 = nullptr;
    // Kept so that the window can draw them again whenever it is exposed.
    QStringList m_lines;
};

} // namespace kalendix
