#include "AboutWindow.h"

#include "Convert.h"
#include "Keys.h"
#include "Layout.h"

namespace tallix {

namespace {

constexpr int firstControlId = 200; // a control's row in aboutControls; OK is IDOK
constexpr DWORD aboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD aboutExStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME; // small caption, close box only

const AboutControl* rowOf(HWND control)
{
    const int row = GetDlgCtrlID(control) - firstControlId;
    if (row < 0 || row >= static_cast<int>(aboutControls.size()))
        return nullptr;
    return &aboutControls[static_cast<std::size_t>(row)];
}

} // namespace

AboutWindow::AboutWindow(HWND mainWindow) : m_mainWindow(mainWindow) {}

void AboutWindow::Show(HWND mainWindow)
{
    AboutWindow window(mainWindow);
    window.load();
    window.Form_Load();
    // Modal: the main window takes no clicks, keys or menu commands meanwhile.
    EnableWindow(mainWindow, FALSE);
    ShowWindow(window.hwnd(), SW_SHOW);
    SetFocus(window.m_ok);
    window.runModalLoop();
    // The main window is enabled again before this one goes, so that Windows
    // hands it the activation (and its key trap the keyboard).
    EnableWindow(mainWindow, TRUE);
    DestroyWindow(window.hwnd()); // before its fonts and picture go
}

void AboutWindow::load()
{
    m_dpi = windowDpi(m_mainWindow); // laid out at the density of the monitor it opens on
    m_font = createDialogFont(m_dpi);

    const PixelSize client = aboutClientSize(m_dpi);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, aboutStyle, FALSE, aboutExStyle);
    const PixelRect placed{0, 0, outer.right - outer.left, outer.bottom - outer.top}; // moved by Form_Load
    create(L"TallixAbout", wide(aboutCaption), {aboutExStyle, aboutStyle, placed, m_mainWindow, nullptr},
           GetSysColorBrush(COLOR_BTNFACE));

    makeAboutControls(m_dpi, [this](const AboutControl& row, PixelRect place) {
        const wchar_t* windowClass = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        int id = firstControlId + static_cast<int>(&row - aboutControls.data());
        switch (row.kind) {
        case AboutKind::Image: // stretched to its rectangle
            m_picture.reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), wide(row.content).c_str(),
                                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
            style |= SS_BITMAP | SS_REALSIZECONTROL;
            break;
        case AboutKind::Label:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case AboutKind::Button:
            windowClass = L"BUTTON";
            style |= WS_TABSTOP | BS_DEFPUSHBUTTON;
            id = IDOK; // the default button: Return presses it
            break;
        }
        HWND control = CreateWindowExW(0, windowClass, row.kind == AboutKind::Image ? L"" : wide(row.content).c_str(),
                                       style, place.left, place.top, place.width, place.height,
                                       hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
        if (row.kind == AboutKind::Image)
            SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_picture.get()));
        if (row.kind == AboutKind::Button)
            m_ok = control;
    });
}

void AboutWindow::Form_Load()
{
    RECT main;
    GetWindowRect(m_mainWindow, &main);
    const PixelSize offset = aboutOffset(m_dpi);
    SetWindowPos(hwnd(), nullptr, main.left + offset.width, main.top + offset.height, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::cmdOK_Click()
{
    m_closed = true;
}

void AboutWindow::runModalLoop()
{
    MSG message;
    while (!m_closed) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the main loop to see
            break;
        }
        // Enter, Esc, Space and Tab as in a dialog box.
        if (!IsDialogMessageW(hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void AboutWindow::paint()
{
    const Painting painting(hwnd());
    for (const RuleLine& line : engravedRule) {
        const RECT area = rect(placeOf(line, m_dpi));
        const GdiObject<HBRUSH> brush(CreateSolidBrush(rgb(line.colour)));
        FillRect(painting.dc, &area, brush.get());
    }
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: // OK clicked or Return pressed (IDOK), or Esc (IDCANCEL)
        if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == IDCANCEL && pressesAboutOk(Key::Escape)))
            cmdOK_Click();
        return 0;
    case WM_CLOSE: // the close box unloads the window without cmdOK_Click
        m_closed = true;
        return 0;
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORSTATIC: {
        if (const AboutControl* row = rowOf(reinterpret_cast<HWND>(lParam))) {
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, rgb(row->textColour));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    }
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace tallix
