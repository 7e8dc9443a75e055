#pragma once

// The palette's 26 entries and the legend's 26 cells, written out once for the tests. The tests
// compare the program with these rows, never with its own arrays.

#include <QString>

#include <array>

namespace Expected {

struct PaletteRow
{
    const char16_t *listLabel;
    const char16_t *code;
    unsigned int previewColour; // 0x00BBGGRR, or 0x800000nn for a system colour
};

inline const std::array<PaletteRow, 26> Palette{{
    {u"01 red", u"^1", 0x000000FF},         {u"02 olivegreen", u"^2", 0x00C0FFC0},
    {u"03 yellow", u"^3", 0x0000FFFF},      {u"04 midnightblue", u"^4", 0x00FF0000},
    {u"05 cyan", u"^5", 0x00FFFF00},        {u"06 pink", u"^6", 0x00FF00FF},
    {u"07 white", u"^7", 0x00FFFFFF},       {u"08 orange", u"^b", 0x000080FF},
    {u"09 redorange", u"^c", 0x00800080},   {u"10 dodgerblue", u"^d", 0x80000001},
    {u"11 deeppink", u"^e", 0x00C000C0},    {u"12 skyblue", u"^f", 0x00404000},
    {u"13 limegreen", u"^g", 0x0000FF00},   {u"14 steelblue", u"^i", 0x00800000},
    {u"15 lightgreen", u"^j", 0x00008000},  {u"16 moccasin", u"^k", 0x0080C0FF},
    {u"17 lightblue", u"^l", 0x00FFC0C0},   {u"18 magenta", u"^m", 0x00400040},
    {u"19 forestgreen", u"^n", 0x00004040}, {u"20 lightpink", u"^o", 0x00000040},
    {u"21 whitepink", u"^q", 0x00FF80FF},   {u"22 purple", u"^u", 0x00400040},
    {u"23 black", u"^w", 0x00000000},       {u"24 lightblue", u"^y", 0x00004000},
    {u"25 darkorange", u"^z", 0x00004080},  {u"26 darkgray", u"^-", 0x00FF8080},
}};

struct LegendRow
{
    int left, top;             // twips; the swatch is 225 and the number label 255 square
    unsigned int swatchColour; // 0x00BBGGRR
    unsigned int numberColour; // black or white, whichever reads better on the swatch
    const char16_t *toolTip;
};

// Cell n is row n - 1; its number label is Label(20 + n), its swatch Image(2 + n).
inline const std::array<LegendRow, 26> Legend{{
    {480, 2160, 0x001A1CF7, 0x00000000, u"^1   red"},
    {840, 2160, 0x007EBFAA, 0x00000000, u"^2  olivegreen"},
    {1200, 2160, 0x0023FBFA, 0x00000000, u"^3  yellow"},
    {1560, 2160, 0x00E75151, 0x00FFFFFF, u"^4  MidnightBlue"},
    {480, 2520, 0x00E4ED1B, 0x00000000, u"^5  cyan"},
    {840, 2520, 0x00D70DDC, 0x00000000, u"^6  pink"},
    {1200, 2520, 0x00FFFFFF, 0x00000000, u"^7  white"},
    {1560, 2520, 0x00438DC5, 0x00000000, u"^b  orange"},
    {480, 2880, 0x00904397, 0x00FFFFFF, u"^c  redorange"},
    {840, 2880, 0x00A58665, 0x00000000, u"^d  dodgerblue"},
    {1200, 2880, 0x00720DAF, 0x00FFFFFF, u"^e  deeppink"},
    {1560, 2880, 0x00435038, 0x00FFFFFF, u"^f  skyblue"},
    {480, 3240, 0x0023BB68, 0x00000000, u"^g  limegreen"},
    {840, 3240, 0x007D4124, 0x00FFFFFF, u"^i  steelblue"},
    {1200, 3240, 0x000D7F39, 0x00FFFFFF, u"^j  lightgreen"},
    {1560, 3240, 0x00749FB4, 0x00000000, u"^k  moccasin"},
    {480, 3600, 0x00B2AF90, 0x00000000, u"^l  lightblue"},
    {840, 3600, 0x00432B4E, 0x00FFFFFF, u"^m  magenta"},
    {1200, 3600, 0x00255844, 0x00FFFFFF, u"^n  forestgreen"},
    {1560, 3600, 0x001F2C3A, 0x00FFFFFF, u"^o  lightpink"},
    {480, 3960, 0x0081879A, 0x00000000, u"^q  whitepink"},
    {840, 3960, 0x00231F24, 0x00FFFFFF, u"^u  purple"},
    {1200, 3960, 0x00000000, 0x00FFFFFF, u"^w  black"},
    {1560, 3960, 0x00223326, 0x00FFFFFF, u"^y  lightblue"},
    {480, 4320, 0x00154765, 0x00FFFFFF, u"^z  darkorange"},
    {840, 4320, 0x0043302D, 0x00FFFFFF, u"^-  darkgray"},
}};

inline QString str(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace Expected
