#pragma once

#include <QFont>

namespace Fonts {

// The fixed-pitch face of the part rows, the result field and the preview; where it is not
// installed, Courier New or DejaVu Sans Mono, and failing those the platform's fixed-pitch face.
QFont lucidaConsole(qreal points, QFont::Weight weight = QFont::Normal);

// The face of the legend numbers; where it is not installed, Tahoma or DejaVu Sans, and failing
// those the platform's sans serif.
QFont microsoftSansSerif(qreal points);

} // namespace Fonts
