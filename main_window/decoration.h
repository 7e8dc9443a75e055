#pragma once

class QWidget;

// The main window's pictures, colour legend, frame lines and credits. Nothing reads them after
// the window is built; the three functions are called in stacking order, back to front.
namespace Decoration {

// The background picture and the large logo, behind everything else.
void addBackPictures(QWidget *form);

// 26 swatches, each with its number in front and the code and colour word as its tool tip.
void addLegend(QWidget *form);

// The lines, the two credit labels and the small logo, in front of the legend.
void addFrontDecoration(QWidget *form);

} // namespace Decoration
