#pragma once

#include <QFont>

namespace Fonts {

// The fixed-pitch face of the part rows, the result field and the preview; where it is not
// installed, Courier New or DejaVu Sans Mono, and failing those the platform's fixed-pitch face.
QFont lucidaConsole(qreal points, QFont::Weight weight = QFont::Normal);

// The face of the legend numbers; where it is not installed, Tahoma or DejaVu Sans, and failing
// those the platform's sans serif.
QFont microsoftSansSerif(qreal points);

// The platform's own interface face for the buttons, the path field and the messages; where it
// is not installed (Wine without Tahoma), the first of Segoe UI, Tahoma, DejaVu Sans, Liberation
// Sans and Arial that is, and failing those the platform's sans serif, never a serif face.
QFont userInterface();

} // namespace Fonts
