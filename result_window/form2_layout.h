#pragma once

#include "common/twips.h"

// Where everything sits on the result window, in twips from the top-left of the client area.
namespace Form2Layout {

inline constexpr TwipSize ClientArea{5775, 3660};

inline constexpr TwipRect CopyButton{2160, 3120, 1335, 285};
inline constexpr TwipRect PathField{3720, 3120, 1815, 285};
// Below the button and the path field: what writing did, or the wrap, and what to do next.
inline constexpr TwipRect StatusLine{120, 3420, 5535, 225};
inline constexpr TwipRect ResultField{120, 600, 5535, 285};
inline constexpr TwipRect LooksLikeCaption{120, 1560, 2535, 255};
inline constexpr TwipRect Preview{120, 1920, 5535, 375}; // all ten preview labels
inline constexpr TwipRect GameCheckLine{120, 2400, 5535, 255};
inline constexpr TwipRect GameColoursLine{120, 2670, 5535, 255};
inline constexpr TwipRect Hint{2400, 960, 3255, 255};
inline constexpr TwipLine Separator{5640, 3000, 120, 3000};
inline constexpr TwipRect NameCaption{120, 240, 2175, 255};
inline constexpr TwipRect BackgroundPicture{0, 0, 16200, 12420};

} // namespace Form2Layout
