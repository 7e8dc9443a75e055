#pragma once

#include <QFont>

namespace Fonts {

// The fixed-pitch face of the part rows, the result field and the preview. Where it is not
// installed the style hint picks the platform's fixed-pitch face.
QFont lucidaConsole(qreal points, QFont::Weight weight = QFont::Normal);

// The face of the legend numbers, with the platform's sans serif as fallback.
QFont microsoftSansSerif(qreal points);

} // namespace Fonts
