#include "Look.h"

#include "Convert.h"
#include "Twips.h"

#include <cmath>
#include <string>

namespace tallix {

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : standardDpi;
}

int windowDpi(HWND window)
{
    // Looked up at run time: Windows 7 and 8 have no such function.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const int dpi = dpiForWindow ? static_cast<int>(dpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

namespace {

// A character height of so many points at the given density, as GDI takes it.
LONG characterHeight(double points, int dpi)
{
    return -static_cast<LONG>(std::lround(points * dpi / 72.0));
}

LOGFONTW messageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont;
}

} // namespace

GdiObject<HFONT> createFont(const FontSpec& wanted, int dpi)
{
    LOGFONTW font{};
    font.lfHeight = characterHeight(wanted.points, dpi);
    font.lfWeight = wanted.weight;
    font.lfCharSet = static_cast<BYTE>(wanted.charset);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS; // a plain sans-serif where the face is missing
    const std::wstring face = wide(wanted.face);
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

GdiObject<HFONT> createDialogFont(int dpi)
{
    LOGFONTW font = messageFont(); // sized for the system's density
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi());
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

GdiObject<HFONT> createCaptionFont(int dpi)
{
    // The message font at 8 or 9 points draws "," in 2 or 3 dark pixels at
    // 96 dpi; 12-point bold gives it a body like a digit's stroke and still
    // fits "CE" in a 33 x 29-pixel button.
    constexpr double captionPoints = 12;
    LOGFONTW font = messageFont();
    font.lfHeight = characterHeight(captionPoints, dpi);
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

void drawButton(const DRAWITEMSTRUCT& item, HBRUSH face)
{
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &area, face);
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    wchar_t caption[16] = {};
    const int length = GetWindowTextW(item.hwndItem, caption, 16);
    RECT text = area;
    if (pressed)
        OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = area;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace tallix
