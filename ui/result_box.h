#pragma once

#include <QLineEdit>

class QTextLayout;

namespace kalendix {

// A result box: a line edit made light for long pasted texts. Its text is never shaped (numbers and plain words need
// none). Past a length that no one reads in one line, the box draws only the stretch of text around the cursor, and
// maps clicks to it, where the line edit would measure and draw its whole text for every paint, blink and key; the
// cursor then stays lit instead of blinking. Shorter texts are drawn by the line edit itself.
class ResultBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

    static constexpr qsizetype longTextLength = 4096;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool holdsLongText() const { return text().size() > longTextLength; }
    QRect lineRect() const;
    // The stretch of text on show, from m_firstShown; at least the cursor and a box's width of characters around it.
    void layOutShownText(QTextLayout& layout, int& shownFrom);
    int positionAt(int x);

    QObject* m_control = nullptr;
    // Where the stretch on show starts in the whole text: kept from paint to paint, so that the text only scrolls
    // when the cursor would leave the box.
    int m_firstShown = 0;
    int m_selectionAnchor = 0;
};

} // namespace kalendix
