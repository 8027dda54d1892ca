// The glue between a C++ object and its window: the object creates the
// window, its class registered on first use, and gets the window's messages
// through handle(), each inside the exception guard.
#pragma once

#include "Layout.h"

#include <windows.h>

#include <string_view>

namespace tallix {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // Null before create() and after the window was destroyed.
    HWND hwnd() const { return m_hwnd; }

protected:
    struct Geometry {
        DWORD exStyle;
        DWORD style;
        PixelRect place; // in the parent's client area, or on the screen
        HWND parent;
        HMENU menuOrId;
    };
    // background: the brush that erases the window, not owned; none for a
    // window that paints all of itself.
    void create(const wchar_t* className, std::wstring_view title, const Geometry& geometry, HBRUSH background);

    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    HBRUSH m_background = nullptr;
};

// A WM_PAINT's drawing context, given back however the paint ends.
struct Painting {
    explicit Painting(HWND window) : window(window), dc(BeginPaint(window, &paint)) {}
    ~Painting() { EndPaint(window, &paint); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    HWND window;
    PAINTSTRUCT paint{};
    HDC dc;
};

// Tells the user of an error met inside a window procedure, in a box over
// that window's top-level window once the message is done: a paint or a
// message sent from another program is no place to open a window. The
// message is one of the guard's own, which live as long as the program.
void showErrorLater(HWND window, std::string_view message);

} // namespace tallix
