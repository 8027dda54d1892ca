// What screen readers get from the display: a static text named by its
// spoken name whose text, read whole or in parts through the text interface,
// is the display text exactly as stored (marks and ellipsis are only drawn),
// and a text change each time it changes. Drawing is DisplayLabel's.
#pragma once

class QString;

namespace tallix {

class DisplayLabel;

// Makes Qt build this interface for every DisplayLabel; once is enough.
void installDisplayAccessibility();

// Tells assistive technologies that the display text, now its current one, was `before`.
void announceDisplayChange(DisplayLabel* readOut, const QString& before);

} // namespace tallix
