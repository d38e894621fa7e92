#include "look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cmath>

// The icon's pixels, rendered at build time from the same design as the desktop icons: compiled in, rather than read
// through an image reader, which would load and ask every image plugin before the window could show.
#include "kalendix_icon_pixels.h"

namespace kalendix {

namespace {

// A face that lacks Cyrillic would leave Qt to draw the Russian letters of one caption in another face. One look at
// the font list, rather than a query per face: fontconfig's alias rules make each query cost more than the list.
bool chooseFace(Look::Face& face, const QStringList& cyrillicFamilies, const QStringList& candidates)
{
    const auto covers = [&cyrillicFamilies](const QString& family) {
        return cyrillicFamilies.contains(family, Qt::CaseInsensitive);
    };
    if (covers(face.family)) {
        face.coversCyrillic = true;
        return true;
    }
    for (const QString& candidate : candidates) {
        if (covers(candidate)) {
            face = {candidate, true};
            return true;
        }
    }
    return false;
}

// The windows' captions are Russian, digits and ASCII signs, all of which a face that covers Cyrillic holds. Asking
// by the face's own name, and without Qt's search for a second face to merge in, spares a fontconfig query for every
// face, style and script before the first window shows; where no such face was found, Qt still merges one in.
QFont windowFont(const Look::Face& face)
{
    QFont font(face.family);
    font.setStyleStrategy(face.coversCyrillic ? QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoFontMerging)
                                              : QFont::PreferNoShaping);
    return font;
}

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor systemColor(SystemColor color)
{
    switch (color) {
    case SystemColor::Menu:
        return QApplication::palette("QMenu").color(QPalette::Window);
    case SystemColor::ButtonFace:
        return QApplication::palette().color(QPalette::Button);
    case SystemColor::Light3D:
        return QApplication::palette().color(QPalette::Midlight);
    case SystemColor::InfoBackground:
        return QApplication::palette().color(QPalette::ToolTipBase);
    }
    return {};
}

QColor readableOn(const QColor& ink, const QColor& background)
{
    if (background.lightnessF() >= 0.5)
        return ink;
    // Lighten in steps until the text stands out from the face as well as body text should (a contrast of 4.5).
    const QColor hsl = ink.toHsl();
    float lightness = std::max(hsl.lightnessF(), 1.0f - hsl.lightnessF());
    QColor shown = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, hsl.alphaF());
    while (contrastRatio(shown, background) < 4.5 && lightness < 1.0f) {
        lightness = std::min(1.0f, lightness + 0.025f);
        shown = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, hsl.alphaF());
    }
    return shown;
}

void paintBackground(QWidget* widget, SystemColor color)
{
    QPalette palette = widget->palette();
    const QColor background = systemColor(color);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    const QColor text = color == SystemColor::InfoBackground ? QApplication::palette().color(QPalette::ToolTipText)
                        : color == SystemColor::Menu ? QApplication::palette("QMenu").color(QPalette::WindowText)
                                                     : QApplication::palette().color(QPalette::ButtonText);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont Look::captionFont(double pointSize, bool bold, bool italic) const
{
    QFont font = windowFont(m_caption);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    return font;
}

QFont Look::dialogFont() const
{
    QFont font = windowFont(m_dialog);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

Look Look::ofThisMachine()
{
    // PT Sans was drawn for the languages of Russia and has all four styles. The dialog face was a compact bitmap
    // face; PT Sans Narrow keeps its one-line captions on one line, where wider faces wrap them into the next control.
    const QStringList cyrillicFamilies = QFontDatabase::families(QFontDatabase::Cyrillic);
    Look look;
    chooseFace(look.m_caption, cyrillicFamilies, {QStringLiteral("PT Sans"), QStringLiteral("DejaVu Sans")});
    chooseFace(look.m_dialog, cyrillicFamilies,
               {QStringLiteral("PT Sans Narrow"), QStringLiteral("PT Sans"), QStringLiteral("DejaVu Sans")});
    return look;
}

QIcon programIcon()
{
    const QImage design(reinterpret_cast<const uchar*>(icon_pixels::argb), icon_pixels::size, icon_pixels::size,
                        QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(design));
}

} // namespace kalendix
