// The glue between a C++ object and the window it stands for: the object
// creates its window and gets that window's messages through handle(). The
// window class is registered on first use. No drawing and no behaviour here.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace tallix {

// Runs what a window procedure does so that no exception leaves it (32-bit
// code cannot unwind through the system's frames at all): the user is told
// in a box over the window's top-level window.
void guarded(HWND window, const std::function<void()>& work) noexcept;

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
        RECT rect; // in the parent's client area, or on the screen
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

} // namespace tallix
