#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>

class QWidget;

namespace kalendix {

// Window layouts are designed in twips, 15 to a logical pixel; Qt scales logical pixels on high-DPI screens.
constexpr int fromTwips(int twips)
{
    return twips / 15;
}

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;

    constexpr QRect toPixels() const { return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)}; }
};

// The four window-system colours the windows are designed with, each taken from the user's palette so that a dark
// theme stays readable.
enum class SystemColor {
    Menu,           // the menu background
    ButtonFace,     // the default face of windows, buttons and labels
    Light3D,        // the light edge of three-dimensional elements
    InfoBackground, // the tooltip background
};

QColor systemColor(SystemColor color);

// A fixed text colour (black, navy, blue) as designed for light window faces; on a dark face, the same hue made light
// enough to read. On a light face it is returned unchanged.
QColor readableOn(const QColor& ink, const QColor& background);

// The contrast between two colours as accessibility guidelines measure it: from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

// Paints a widget's background in a system colour, with text in the palette's matching text colour.
void paintBackground(QWidget* widget, SystemColor color);

// Gives a control the application's palette for its kind, role by role, so that it no longer takes the colours of
// the window face it stands on.
void useControlDefaults(QWidget* widget);

// Face names as the windows were designed with; chooseInstalledFaces() finds installed faces that cover Cyrillic
// to stand for them where the originals are missing, and the window fonts below use what it chose.
inline QString captionFace()
{
    return QStringLiteral("Comic Sans MS");
}
inline QString dialogFace()
{
    return QStringLiteral("MS Sans Serif");
}

QFont captionFont(double pointSize, bool bold, bool italic = false);
QFont dialogFont();

// Returns whether a face that covers Cyrillic stands for both.
bool chooseInstalledFaces();

// The yellow dotted page with three ruled lines.
QIcon programIcon();

} // namespace kalendix
