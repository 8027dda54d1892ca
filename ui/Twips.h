// Window geometry is written in twips, as the layout tables give it:
// 15 twips are one device-independent pixel; Qt scales pixels for the screen.
#pragma once

namespace tallix {

inline constexpr int twipsPerPixel = 15;

constexpr int px(int twips) { return twips / twipsPerPixel; }

} // namespace tallix
