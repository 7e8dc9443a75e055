#include "colour_value.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

constexpr bool isSystemColour(ColourValue value)
{
    return (value & 0xFF000000u) == 0x80000000u;
}

QColor fromRgbValue(ColourValue value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

// Light grey for text and lines on the background picture: a contrast of about 8:1.
const QColor textOnBackground(200, 200, 200);
// The desktop colour has no counterpart here; a fixed dodger blue matches the list label
// that previews in it.
const QColor desktop(30, 144, 255);

} // namespace

QColor toQColor(ColourValue value)
{
    if (!isSystemColour(value))
        return fromRgbValue(value);
    switch (value) {
    case SystemColour::Desktop:
        return desktop;
    case SystemColour::Highlight:
        return QGuiApplication::palette().color(QPalette::Highlight);
    case SystemColour::WindowText:
    case SystemColour::ButtonText:
    default:
        return textOnBackground;
    }
}

namespace {

double relativeLuminance(const QColor &c)
{
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourValue readableTextOn(const QColor &background)
{
    return contrastRatio(toQColor(White), background) >= contrastRatio(toQColor(Black), background)
               ? White
               : Black;
}
