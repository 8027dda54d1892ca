// How the main window's keypad and menu bar look where the desktop style
// would not show what the window description asks: flat button faces in the
// palette's button colour with a bevel that sinks when pressed and a dotted
// focus rectangle, and a highlighted menu bar item while the menu bar holds
// the keyboard; the display's font. Colours stay with the palettes the
// window sets.
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
