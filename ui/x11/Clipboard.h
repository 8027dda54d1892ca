// Whether the X clipboard's owner is alive, asked on a connection of our
// own: a stopped owner never answers, and a toolkit that asks it for the
// text would wait seconds for nothing.
#pragma once

#include <chrono>

namespace tallix {

// Asks the owner which formats it has. True when it answers within `wait`,
// when nobody owns the clipboard (the X server answers at once), and when
// the display cannot be reached, so that the toolkit tries as usual.
bool clipboardOwnerAnswers(std::chrono::milliseconds wait);

} // namespace tallix
