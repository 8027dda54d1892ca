// What screen readers get from the display: a static text with its spoken
// name whose text interface reads the display text exactly as stored (marks
// and ellipsis are only drawn), and an event each time that text changes.
#pragma once

class QString;

namespace tallix {

class Display;

// Makes Qt build this interface for every Display; once is enough.
void installDisplayAccessibility();

// Tells assistive technologies that the display text, now its current one, was `before`.
void announceDisplayChange(Display* display, const QString& before);

} // namespace tallix
