#pragma once

#include <QRect>
#include <QString>

#include <functional>

class QWidget;

namespace kalendix {

// How soon a screen reader should say an announcement: after what it is saying, or at once, cutting it short.
enum class Urgency { Polite, Assertive };

// Tells assistive technology what a sighted user sees change in a window, without moving the focus: a screen reader
// says the text. It is said after everything else the current event changed, a new focus above all, which would
// otherwise cut it short.
void announce(QWidget* source, const QString& text, Urgency urgency = Urgency::Polite);

// Makes a window a dialog to assistive technology rather than a bare frame, as a window that only shows text is. The
// role is read once, when anything first asks for the window's interface, and setting its title or a child's name
// may already ask: call it first thing in the window's constructor.
void declareDialog(QWidget* window);

// What a window prints on itself rather than holds in a control: its text, asked afresh each time, and where the
// character at an offset of it stands in the window.
struct PrintedText
{
    std::function<QString()> text;
    std::function<QRect(int offset)> characterRect;
};

// Makes what a window prints the window's own text to assistive technology, read whenever a listener asks for it, as
// in a screen reader's review. A change is not told by this: the window announces what it prints. Like the role, it is
// read when anything first asks for the window's interface: call it first thing in the window's constructor.
void declarePrintedText(QWidget* window, PrintedText printed);

// Gives assistive technology the interfaces the program's widgets need where Qt's own fall short. Installed once, by
// the application, before any window is made.
void installAccessibleInterfaces();

} // namespace kalendix
