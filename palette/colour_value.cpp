#include "colour_value.h"

#include <QGuiApplication>
#include <QPalette>

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
