// How the main window's keypad and menu bar look where the desktop style
// would not show what the window description asks: flat button faces in the
// palette's button colour with a bevel that sinks when pressed and a dotted
// focus rectangle, and a highlighted menu bar item while the menu bar holds
// the keyboard. Colours stay with the palettes the window sets.
#pragma once

class QMenuBar;
class QPushButton;

namespace tallix {

void giveKeypadLook(QPushButton* button);
void giveMenuBarLook(QMenuBar* bar);

} // namespace tallix
