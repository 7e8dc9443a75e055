#pragma once

#include <QColor>
#include <cstdint>

// A colour as the program stores it: 0x00BBGGRR (red in the low byte), or 0x800000nn for the
// system colour with index nn. Values stay in this form everywhere; they become a QColor only
// for painting.
using ColourValue = std::uint32_t;

namespace SystemColour {
inline constexpr ColourValue Desktop = 0x80000001;    // 1
inline constexpr ColourValue WindowText = 0x80000008; // 8, the lines
inline constexpr ColourValue Highlight = 0x8000000D;  // 13, the buttons' face
inline constexpr ColourValue ButtonText = 0x80000012; // 18, label text
} // namespace SystemColour

inline constexpr ColourValue White = 0x00FFFFFF;
inline constexpr ColourValue Black = 0x00000000;

constexpr ColourValue rgbValue(int red, int green, int blue)
{
    return ColourValue(red) | ColourValue(green) << 8 | ColourValue(blue) << 16;
}

// The dark slate of the background picture behind every label and line of both windows.
inline constexpr ColourValue BackgroundPictureColour = rgbValue(42, 44, 64);

// The colour to paint for a value. System colours 8 and 18 are drawn in a light grey, since
// everything that uses them lies on the dark background picture.
QColor toQColor(ColourValue value);

// Black or white, whichever reads better as text on `background`: at least 4.5:1, whatever the
// background.
ColourValue readableTextOn(const QColor &background);

// The contrast of two screen colours, from 1 (none) to 21 (black on white), as the WCAG
// guidelines for readable text compute it.
double contrastRatio(const QColor &a, const QColor &b);
