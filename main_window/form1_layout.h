#pragma once

#include "common/twips.h"

// Where everything sits on the main window, in twips from the top-left of the client area.
namespace Form1Layout {

inline constexpr TwipSize ClientArea{9180, 6390};

// The part rows; `row` counts from 0.
constexpr int rowTop(int row)
{
    return 1920 + 360 * row;
}
inline constexpr int RowLabelWidth = 615;
inline constexpr int RowLabelHeight = 255;
inline constexpr int FieldHeight = 285;
constexpr TwipRect colourCaption(int row)
{
    return {2640, rowTop(row), RowLabelWidth, RowLabelHeight};
}
constexpr TwipRect colourList(int row)
{
    return {3360, rowTop(row), 2775, FieldHeight};
}
constexpr TwipRect partCaption(int row)
{
    return {6480, rowTop(row), RowLabelWidth, RowLabelHeight};
}
constexpr TwipRect partText(int row)
{
    return {7200, rowTop(row), 1575, FieldHeight};
}

inline constexpr TwipRect ByeButton{5880, 5880, 1215, 285};
inline constexpr TwipRect CreateNameButton{7680, 5880, 1215, 285};

inline constexpr TwipRect BackgroundPicture{0, 0, 16200, 12420};
inline constexpr TwipRect LargeLogo{4800, 120, 3930, 1440};
inline constexpr TwipRect SmallLogo{840, 360, 2250, 675};

// The legend: 26 cells, four to a row; `cell` counts from 0.
inline constexpr int LegendColumns = 4;
constexpr TwipRect legendSwatch(int cell)
{
    return {480 + 360 * (cell % LegendColumns), 2160 + 360 * (cell / LegendColumns), 225, 225};
}
constexpr TwipRect legendNumber(int cell)
{
    const TwipRect swatch = legendSwatch(cell);
    return {swatch.left, swatch.top, 255, 255};
}

inline constexpr TwipLine FrameLeft{240, 1920, 240, 4800};
inline constexpr TwipLine FrameRight{2040, 1920, 2040, 4800};
inline constexpr TwipLine FrameTop{360, 1920, 1920, 1920};
inline constexpr TwipLine FrameBottom{360, 4800, 1920, 4800};
inline constexpr TwipLine Separator{8880, 5760, 120, 5760};

inline constexpr TwipRect CreditLine{360, 5880, 2415, 255};
inline constexpr TwipRect WebAddress{3120, 5880, 1815, 255};

} // namespace Form1Layout
