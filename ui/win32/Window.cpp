#include "Window.h"

#include "Calculator.h"
#include "Guarded.h"
#include "Platform.h"

#include <string>

namespace tallix {

namespace {

// Posted to a top-level window: wParam is the message's length, lParam its characters.
constexpr UINT errorLaterMessage = WM_APP + 100;

} // namespace

void showErrorLater(HWND window, std::string_view message)
{
    PostMessageW(GetAncestor(window, GA_ROOT), errorLaterMessage, message.size(),
                 reinterpret_cast<LPARAM>(message.data()));
}

Window::~Window()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void Window::create(const wchar_t* className, std::wstring_view title, const Geometry& geometry, HBRUSH background)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.lpfnWndProc = &Window::procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    m_background = background;
    const PixelRect& place = geometry.place;
    CreateWindowExW(geometry.exStyle, className, std::wstring(title).c_str(), geometry.style, place.left, place.top,
                    place.width, place.height, geometry.parent, geometry.menuOrId, instance, this);
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND && m_background) {
        RECT area;
        GetClientRect(m_hwnd, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, m_background);
        return 1;
    }
    if (message == errorLaterMessage) {
        showCriticalBox(m_hwnd, {reinterpret_cast<const char*>(lParam), wParam}, errorTitle);
        return 0;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

// Every message of the program's own windows comes through here.
LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    guarded([&] { result = self->handle(message, wParam, lParam); },
            [hwnd](std::string_view text) { showErrorLater(hwnd, text); });
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}

} // namespace tallix
