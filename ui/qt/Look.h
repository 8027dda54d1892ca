// The keypad, the menu bar and the display's font where the desktop style
// would not show what the window description asks: flat button faces with a
// sinking bevel and a dotted focus, a lit menu item while the bar has the keys.
#pragma once

#include <QFont>

class QMenuBar;
class QPushButton;

namespace tallix {

// The display's face, size and weight; a plain sans-serif where the face is missing.
QFont displayFont();

void giveKeypadLook(QPushButton* button);
void giveMenuBarLook(QMenuBar* bar);

} // namespace tallix
