// How the Win32 windows look: the system density, the fonts of the window
// descriptions, and the face of an owner-drawn button. GDI objects are held
// by GdiObject and freed with it.
#pragma once

#include "MainForm.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tallix {

struct GdiDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

// Dots per inch of the screen, as the manifest's DPI awareness lets the program see them.
int systemDpi();
// Dots per inch of the monitor the window is on, where Windows tells each
// monitor's (10 and later); the system's elsewhere.
int windowDpi(HWND window);

// The display's face, size, weight and character set at the given density.
GdiObject<HFONT> createFont(const FontSpec& wanted, int dpi);
// The system's font for message boxes and dialogs, at the given density.
GdiObject<HFONT> createDialogFont(int dpi);
// The button captions: the system's dialog face, bold and large enough that "," reads as clearly as a digit.
GdiObject<HFONT> createCaptionFont(int dpi);

// A button in the given face colour: raised, sunken while pressed, with the
// focus rectangle while it holds the focus.
void drawButton(const DRAWITEMSTRUCT& item, HBRUSH face);

} // namespace tallix
