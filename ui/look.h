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

// The faces the windows were designed with, and the installed faces that stand for them on this machine. Made once by
// the application and handed to each window.
class Look
{
public:
    // Finds installed faces that cover Cyrillic to stand for the designed ones where those are missing.
    static Look ofThisMachine();

    // Whether a face that covers Cyrillic stands for both.
    bool coversCyrillic() const { return m_caption.coversCyrillic && m_dialog.coversCyrillic; }

    QFont captionFont(double pointSize, bool bold, bool italic = false) const;
    QFont dialogFont() const;

    // Face names as the windows were designed with.
    static QString captionFace() { return QStringLiteral("Comic Sans MS"); }
    static QString dialogFace() { return QStringLiteral("MS Sans Serif"); }

    // The face a design name stands for, and whether it holds the Russian letters itself.
    struct Face
    {
        QString family;
        bool coversCyrillic = false;
    };

private:
    Face m_caption{captionFace()};
    Face m_dialog{dialogFace()};
};

// The yellow dotted page with three ruled lines.
QIcon programIcon();

} // namespace kalendix
