#include "decoration.h"

#include "common/colour_label.h"
#include "common/fonts.h"
#include "common/line_widget.h"
#include "common/maker.h"
#include "common/picture_box.h"
#include "form1_layout.h"
#include "palette/palette.h"

using namespace Qt::StringLiterals;
using namespace Form1Layout;

namespace {

struct LegendCell
{
    ColourValue swatch; // the legend's own colours, not the preview colours
    QLatin1StringView toolTip;
};

constexpr std::array<LegendCell, PaletteSize> Legend{{
    {0x001A1CF7, "^1   red"_L1},        {0x007EBFAA, "^2  olivegreen"_L1},
    {0x0023FBFA, "^3  yellow"_L1},      {0x00E75151, "^4  MidnightBlue"_L1},
    {0x00E4ED1B, "^5  cyan"_L1},        {0x00D70DDC, "^6  pink"_L1},
    {0x00FFFFFF, "^7  white"_L1},       {0x00438DC5, "^b  orange"_L1},
    {0x00904397, "^c  redorange"_L1},   {0x00A58665, "^d  dodgerblue"_L1},
    {0x00720DAF, "^e  deeppink"_L1},    {0x00435038, "^f  skyblue"_L1},
    {0x0023BB68, "^g  limegreen"_L1},   {0x007D4124, "^i  steelblue"_L1},
    {0x000D7F39, "^j  lightgreen"_L1},  {0x00749FB4, "^k  moccasin"_L1},
    {0x00B2AF90, "^l  lightblue"_L1},   {0x00432B4E, "^m  magenta"_L1},
    {0x00255844, "^n  forestgreen"_L1}, {0x001F2C3A, "^o  lightpink"_L1},
    {0x0081879A, "^q  whitepink"_L1},   {0x00231F24, "^u  purple"_L1},
    {0x00000000, "^w  black"_L1},       {0x00223326, "^y  lightblue"_L1},
    {0x00154765, "^z  darkorange"_L1},  {0x0043302D, "^-  darkgray"_L1},
}};

} // namespace

namespace Decoration {

void addBackPictures(QWidget *form)
{
    addPicture(form, u"Image2"_s, BackgroundPictureColour, Form1Layout::BackgroundPicture);
    addPicture(form, u"Image1"_s, u":/prismark/logo_large.bmp"_s, LargeLogo);
}

void addLegend(QWidget *form)
{
    const QFont numberFont = Fonts::microsoftSansSerif(8.25);
    for (int cell = 0; cell < PaletteSize; ++cell) {
        addPicture(form, u"Image%1"_s.arg(cell + 3), Legend[cell].swatch, legendSwatch(cell));
        ColourLabel *number =
            addColourLabel(form, u"Label%1"_s.arg(cell + 21), QString::number(cell + 1), numberFont,
                           legendNumber(cell));
        number->setToolTip(Legend[cell].toolTip);
        // Read out as "1, ^1 red".
        number->setAccessibleName(
            u"%1, %2"_s.arg(cell + 1).arg(QString(Legend[cell].toolTip).simplified()));
        // Black or white, whichever reads better on the swatch (white on cell 23's black one):
        // the label grey all but vanished on the light swatches.
        number->setForeColour(readableTextOn(toQColor(Legend[cell].swatch)));
    }
}

void addFrontDecoration(QWidget *form)
{
    addLine(form, u"Line1"_s, FrameLeft);
    addLine(form, u"Line2"_s, FrameRight);
    addLine(form, u"Line3"_s, FrameTop);
    addLine(form, u"Line4"_s, FrameBottom);
    addLine(form, u"Line5"_s, Separator);
    const QFont creditFont = Fonts::lucidaConsole(8.25);
    addColourLabel(form, u"Label47"_s, Maker::CreditLine, creditFont, CreditLine)
        ->setToolTip(Maker::ContactAddress);
    addColourLabel(form, u"Label48"_s, Maker::Site, creditFont, WebAddress);
    addPicture(form, u"Image29"_s, u":/prismark/logo_small.bmp"_s, SmallLogo)
        ->setToolTip(u"Version "_s + QLatin1StringView(PRISMARK_VERSION));
}

} // namespace Decoration
