#include "accessibility.h"

#include "qt_versions.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace kalendix {

namespace {

// A window's word that it is a dialog, held as its child so that it goes with the window.
class DialogRole final : public QObject
{
public:
    using QObject::QObject;
};

class PrintedTextHolder final : public QObject
{
public:
    PrintedTextHolder(QObject* window, PrintedText printed)
        : QObject(window)
        , printed(std::move(printed))
    {}

    const PrintedText printed;
};

// A window with the text it prints: read-only, nothing selected, no cursor.
class PrintedWindowAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    PrintedWindowAccessible(QWidget* window, QAccessible::Role role, const PrintedTextHolder* holder)
        : QAccessibleWidget(window, role)
        , m_printed(holder->printed)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}

    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return m_printed.text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(m_printed.text().size()); }
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QRect characterRect(int offset) const override
    {
        const QRect rect = m_printed.characterRect(offset);
        return rect.isNull() ? rect : QRect(widget()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = widget()->mapFromGlobal(point);
        for (int offset = 0, count = characterCount(); offset < count; ++offset)
            if (m_printed.characterRect(offset).contains(local))
                return offset;
        return -1;
    }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}

    using QAccessibleWidget::text;

private:
    const PrintedText m_printed;
};

// A calendar's grid of days as one control, not a table: a screen reader reads a table's whole row of bare numbers
// at each move, before the day framed that the calendar says whole.
class DayGridAccessible final : public QAccessibleWidget
{
public:
    explicit DayGridAccessible(QWidget* grid)
        : QAccessibleWidget(grid, QAccessible::Pane)
    {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
};

template <typename T> T* childOfType(QObject* parent)
{
    for (QObject* child : parent->children())
        if (auto* found = dynamic_cast<T*>(child))
            return found;
    return nullptr;
}

// Qt before 6.8 has no announcements. A screen reader says a notification as it appears: each window holds one,
// which has no place on the screen, and is shown anew with each text.
class Notice final : public QObject
{
public:
    using QObject::QObject;

    QString text;
};

class NoticeAccessible final : public QAccessibleObject
{
public:
    explicit NoticeAccessible(Notice* notice)
        : QAccessibleObject(notice)
    {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<const Notice*>(object())->text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

// Qt before 6.8 tells a screen reader that a line edit's text attributes run from each offset to itself, and Orca
// then reads a figure without its last digit. This interface is Qt's own made from the line edit's public API, with
// the one run that the whole text is.
class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value && lineEdit()->echoMode() == QLineEdit::Normal)
            return lineEdit()->text();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value)
            lineEdit()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = lineEdit()->isReadOnly();
        state.editable = !lineEdit()->isReadOnly();
        state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && lineEdit()->hasSelectedText()) {
            *startOffset = lineEdit()->selectionStart();
            *endOffset = *startOffset + int(lineEdit()->selectedText().size());
        }
    }
    int selectionCount() const override { return lineEdit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            lineEdit()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            lineEdit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return lineEdit()->cursorPosition(); }
    void setCursorPosition(int position) override { lineEdit()->setCursorPosition(position); }

    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset || lineEdit()->echoMode() != QLineEdit::Normal)
            return {};
        return lineEdit()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(lineEdit()->text().size()); }
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override
    {
        // A line edit has no attributes of its own: one run, the whole text.
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        // Where a character stands is the edit's own to know; from outside, its middle is where the cursor a click
        // would place turns from before it to after it.
        QLineEdit* edit = lineEdit();
        const int y = edit->height() / 2;
        int low = 0;
        int high = edit->width();
        while (low < high) {
            const int x = (low + high) / 2;
            if (edit->cursorPositionAt(QPoint(x, y)) <= offset)
                low = x + 1;
            else
                high = x;
        }
        const QFontMetrics metrics(edit->font());
        const int width = metrics.horizontalAdvance(character);
        const QRect rect(low - width / 2, (edit->height() - metrics.height()) / 2, width, metrics.height());
        return {edit->mapToGlobal(rect.topLeft()), rect.size()};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        lineEdit()->setCursorPosition(endIndex);
        lineEdit()->setCursorPosition(startIndex);
    }

    void deleteText(int startOffset, int endOffset) override
    {
        lineEdit()->setText(lineEdit()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString& text) override
    {
        lineEdit()->setText(lineEdit()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* lineEdit() const { return static_cast<QLineEdit*>(widget()); }
};

void announceNow(QWidget* source, const QString& text, Urgency urgency)
{
#if KALENDIX_QT_HAS_ANNOUNCEMENT_EVENT
    if (qt_versions::hasAnnouncements()) {
        QAccessibleAnnouncementEvent event(source, text);
        event.setPoliteness(urgency == Urgency::Assertive ? QAccessible::AnnouncementPoliteness::Assertive
                                                          : QAccessible::AnnouncementPoliteness::Polite);
        QAccessible::updateAccessibility(&event);
        return;
    }
#endif
    // A notification is said as it appears, whatever else is being said.
    Q_UNUSED(urgency);
    QWidget* window = source->window();
    Notice* notice = childOfType<Notice>(window);
    if (!notice)
        notice = new Notice(window);
    notice->text = text;
    // A screen reader that keeps names it was told of would say the last text again.
    QAccessibleEvent named(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object)
{
    if (auto* window = qobject_cast<QWidget*>(object); window && window->isWindow()) {
        // A window without a word of its own is what Qt's own interface would make it.
        const QAccessible::Role role = childOfType<DialogRole>(window) ? QAccessible::Dialog : QAccessible::Client;
        if (const auto* printed = childOfType<PrintedTextHolder>(window))
            return new PrintedWindowAccessible(window, role, printed);
        if (role == QAccessible::Dialog)
            return new QAccessibleWidget(window, role);
    }
    // A calendar's grid of days is asked for as the calendar is made, before anything could mark it.
    if (auto* grid = qobject_cast<QAbstractItemView*>(object);
        grid && qobject_cast<QCalendarWidget*>(grid->parentWidget()))
        return new DayGridAccessible(grid);
    if (auto* notice = dynamic_cast<Notice*>(object))
        return new NoticeAccessible(notice);
    if (auto* edit = qobject_cast<QLineEdit*>(object); edit && !qt_versions::lineEditsReportOneAttributeRun())
        return new LineEditAccessible(edit);
    return nullptr;
}

} // namespace

void announce(QWidget* source, const QString& text, Urgency urgency)
{
    QTimer::singleShot(0, source, [source, text, urgency] { announceNow(source, text, urgency); });
}

void declareDialog(QWidget* window)
{
    if (!childOfType<DialogRole>(window))
        new DialogRole(window);
}

void declarePrintedText(QWidget* window, PrintedText printed)
{
    if (!childOfType<PrintedTextHolder>(window))
        new PrintedTextHolder(window, std::move(printed));
}

void installAccessibleInterfaces()
{
    QAccessible::installFactory(&interfaceFor);
}

} // namespace kalendix
