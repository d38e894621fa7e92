#include "result_box.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <algorithm>

namespace kalendix {

namespace {

// The line edit's own margins around its text, which it does not publish.
constexpr int horizontalMargin = 2;
constexpr int verticalMargin = 1;

} // namespace

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    // Numbers and plain Russian words need no shaping, and the line edit shapes its whole text again on every key:
    // for a pasted megabyte that alone costs most of a key's time.
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    setFont(unshaped);
    // The boxes read left to right. Said outright, it spares the line edit from reading the whole text for a strong
    // character on every key to guess the direction, and a megabyte of digits has none. The line edit's text takes
    // a direction only from the direction key, so that is what it is given.
    QKeyEvent leftToRight(QEvent::KeyPress, Qt::Key_Direction_L, Qt::NoModifier);
    QLineEdit::keyPressEvent(&leftToRight);
    // The blink timer belongs to the line edit's inner text control, the one child object without a widget.
    for (QObject* part : children()) {
        if (!part->isWidgetType() && part->inherits("QWidgetLineControl")) {
            m_control = part;
            m_control->installEventFilter(this);
        }
    }
}

bool ResultBox::eventFilter(QObject* watched, QEvent* event)
{
    // A blink of a long text's cursor is not worth a paint. Typing and focus changes light the cursor again through
    // their own calls, never through a timer.
    if (watched == m_control && event->type() == QEvent::Timer && holdsLongText())
        return true;
    return QLineEdit::eventFilter(watched, event);
}

QRect ResultBox::lineRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    const int height = fontMetrics().height();
    return {contents.x() + horizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
            contents.width() - 2 * horizontalMargin, height};
}

void ResultBox::layOutShownText(QTextLayout& layout, int& shownFrom)
{
    const QString& whole = text();
    const int width = lineRect().width();
    const int cursor = cursorPosition();
    // Every character is at least a pixel wide, so a box's width of characters on either side is enough.
    const int reach = std::max(width, 1) + 1;
    if (cursor < m_firstShown)
        m_firstShown = cursor;
    if (cursor - m_firstShown > reach)
        m_firstShown = cursor - reach;
    m_firstShown = std::clamp(m_firstShown, 0, static_cast<int>(whole.size()));

    const auto layOut = [&](int from) {
        layout.setText(whole.mid(from, cursor - from + reach));
        layout.setFont(font());
        QTextOption option = layout.textOption();
        option.setWrapMode(QTextOption::NoWrap);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
    };
    layOut(m_firstShown);
    // Scroll on until the cursor stands inside the box, as the line edit does.
    const QTextLine line = layout.lineAt(0);
    const qreal cursorX = line.cursorToX(cursor - m_firstShown);
    if (cursorX > width - 1) {
        m_firstShown += line.xToCursor(cursorX - (width - 1), QTextLine::CursorOnCharacter);
        if (line.cursorToX(cursor - m_firstShown) > width)
            ++m_firstShown;
        layOut(m_firstShown);
    }
    shownFrom = m_firstShown;
}

void ResultBox::paintEvent(QPaintEvent* event)
{
    if (!holdsLongText()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect line = lineRect();
    painter.setClipRect(line.adjusted(-horizontalMargin, -verticalMargin, horizontalMargin, verticalMargin));
    QTextLayout layout;
    int shownFrom = 0;
    layOutShownText(layout, shownFrom);

    QList<QTextLayout::FormatRange> selection;
    if (hasSelectedText()) {
        QTextLayout::FormatRange range;
        range.start = std::max(selectionStart() - shownFrom, 0);
        range.length = selectionStart() + selectionLength() - shownFrom - range.start;
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selection.append(range);
    }
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, line.topLeft(), selection);
    if (hasFocus())
        layout.drawCursor(&painter, line.topLeft(), cursorPosition() - shownFrom, 1);
}

int ResultBox::positionAt(int x)
{
    QTextLayout layout;
    int shownFrom = 0;
    layOutShownText(layout, shownFrom);
    return shownFrom + layout.lineAt(0).xToCursor(x - lineRect().left());
}

void ResultBox::mousePressEvent(QMouseEvent* event)
{
    if (!holdsLongText() || event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const int position = positionAt(qRound(event->position().x()));
    if (event->modifiers() & Qt::ShiftModifier) {
        const int anchor = hasSelectedText() ? m_selectionAnchor : cursorPosition();
        setSelection(anchor, position - anchor);
        m_selectionAnchor = anchor;
    } else {
        setCursorPosition(position);
        m_selectionAnchor = position;
    }
    event->accept();
}

void ResultBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!holdsLongText() || !(event->buttons() & Qt::LeftButton)) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    const int position = positionAt(qRound(event->position().x()));
    setSelection(m_selectionAnchor, position - m_selectionAnchor);
    event->accept();
}

void ResultBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!holdsLongText() || event->button() != Qt::LeftButton) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    // The word under the pointer: a run of letters and digits.
    const QString& whole = text();
    const int position = positionAt(qRound(event->position().x()));
    int start = position;
    int end = position;
    while (start > 0 && whole.at(start - 1).isLetterOrNumber())
        --start;
    while (end < whole.size() && whole.at(end).isLetterOrNumber())
        ++end;
    m_selectionAnchor = start;
    setSelection(start, end - start);
    event->accept();
}

} // namespace kalendix
