// What screen readers get from the display: a static text named by its
// spoken name whose text, read whole or in parts through the text interface,
// is the display text exactly as stored (marks and ellipsis are only drawn),
// and a text change each time it changes. Drawing is Display's.
#pragma once

class QString;

namespace tallix {

class Display;

// Makes Qt build this interface for every Display; once is enough.
void installDisplayAccessibility();

// Tells assistive technologies that the display text, now its current one, was `before`.
void announceDisplayChange(Display* display, const QString& before);

} // namespace tallix
