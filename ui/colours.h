#pragma once

#include <QColor>

class QWidget;

namespace kalendix {

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

} // namespace kalendix
