#pragma once

#include "common/part_row.h"

class QTimer;

// The preview timer's tick. Label X`k` of the result window gets the texts of parts 1 to k and
// the preview colour of part k; a part without a colour choice takes the colour of the label
// before it (white for part 1), and a list text that names no colour leaves the label's colour
// as it was. The front label's description tells the name part by part with the colour each
// part shows, for screen readers. Then the timer is switched off.
void RefreshPreview(const PartRows &rows, QTimer &previewTimer);
