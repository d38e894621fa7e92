#include "colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kalendix {

namespace {

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

} // namespace kalendix
