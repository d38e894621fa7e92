#include "look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kalendix {

namespace {

// A face that lacks Cyrillic would leave Qt to draw the Russian letters of one caption in another face. One look at
// the font list, rather than a query per face: fontconfig's alias rules make each query cost more than the list.
void substituteWhereMissing(const QStringList& cyrillicFamilies, const QString& family, const QStringList& candidates)
{
    const auto covers = [&cyrillicFamilies](const QString& face) {
        return cyrillicFamilies.contains(face, Qt::CaseInsensitive);
    };
    if (covers(family))
        return;
    for (const QString& candidate : candidates) {
        if (covers(candidate)) {
            QFont::insertSubstitution(family, candidate);
            return;
        }
    }
}

} // namespace

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
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](float channel) {
            return channel <= 0.04045f ? channel / 12.92f : std::pow((channel + 0.055f) / 1.055f, 2.4f);
        };
        return 0.2126f * linear(colour.redF()) + 0.7152f * linear(colour.greenF()) + 0.0722f * linear(colour.blueF());
    };
    const float faceLuminance = luminance(background);
    const QColor hsl = ink.toHsl();
    float lightness = std::max(hsl.lightnessF(), 1.0f - hsl.lightnessF());
    QColor shown = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, hsl.alphaF());
    while ((luminance(shown) + 0.05f) / (faceLuminance + 0.05f) < 4.5f && lightness < 1.0f) {
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

QFont captionFont(double pointSize, bool bold, bool italic)
{
    QFont font(captionFace());
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    return font;
}

QFont dialogFont()
{
    QFont font(dialogFace());
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

void installFontSubstitutes()
{
    // PT Sans was drawn for the languages of Russia and has all four styles. The dialog face was a compact bitmap
    // face; PT Sans Narrow keeps its one-line captions on one line, where wider faces wrap them into the next control.
    const QStringList cyrillicFamilies = QFontDatabase::families(QFontDatabase::Cyrillic);
    substituteWhereMissing(cyrillicFamilies, captionFace(), {QStringLiteral("PT Sans"), QStringLiteral("DejaVu Sans")});
    substituteWhereMissing(
        cyrillicFamilies, dialogFace(),
        {QStringLiteral("PT Sans Narrow"), QStringLiteral("PT Sans"), QStringLiteral("DejaVu Sans")});
}

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/kalendix/kalendix.xpm"));
}

QRect centredOnScreen(QSize size)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(), size);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area);
}

} // namespace kalendix
