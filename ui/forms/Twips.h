// Window geometry is written in twips, as the window descriptions give it:
// 1440 twips to the inch, so 15 twips are one pixel at 96 dots per inch.
#pragma once

namespace tallix {

inline constexpr int twipsPerInch = 1440;
inline constexpr int standardDpi = 96;

// Pixels at the given density, rounded down: 3555 twips are 237 px at 96 dpi
// and 355 px at 144 dpi.
constexpr int px(int twips, int dpi = standardDpi) { return twips * dpi / twipsPerInch; }

} // namespace tallix
