#pragma once

#include "common/part_row.h"

#include <QString>

class QTimer;

// The game's coloured name for the rows as they are now: for each part, the code of the colour
// its list names (if it names one) and then the part's text, nothing trimmed or escaped.
QString NameString(const PartRows &rows);

// "create name": switches the preview timer on, shows the result window in its normal state, in
// front and active, and puts the name string into its result field.
void ComposeName(const PartRows &rows, QTimer &previewTimer);
